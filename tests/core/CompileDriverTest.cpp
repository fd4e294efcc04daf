#include "compiler/CompileDriver.h"
#include "ScriptedCompileHost.h"
#include "core/PrintQt.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

namespace {
// Any file-system call fails the test: runs that stop early touch nothing.
class UntouchedFileSystem : public FileSystem {
public:
    FsResult createDirectory(const QString& path) override { return touched(path); }
    FsResult copyFile(const QString&, const QString& to) override { return touched(to); }
    FsResult makeOwnerWritable(const QString& path) override { return touched(path); }
    DriveType driveType(const QString& d) override {
        touched(d);
        return DriveType::Unknown;
    }
    FsResult writeFile(const QString& path, const QByteArray&) override { return touched(path); }

private:
    static FsResult touched(const QString& path) {
        ADD_FAILURE() << "file system used: " << path.toStdString();
        return {FsError::Other, "not here"};
    }
};

SlideShowProject Project(int slides) {
    SlideShowProject p;
    p.Clear();
    for (int k = 1; k <= slides; ++k) {
        p.AppendPicture(QStringLiteral("/pics/p%1.jpg").arg(k));
        p.slide(k).Caption = QStringLiteral("Caption %1").arg(k);
    }
    return p;
}

const QDateTime kNow(QDate(2024, 3, 5), QTime(10, 0));
const QString kCheckTitle = "To Go Back Select 'No' Or 'Cancel'";

CompileOutcome CompileIt(SlideShowProject& p, ScriptedCompileHost& host) {
    UntouchedFileSystem fs;
    return CompileShow(p, host, fs, "/opt/pevrano", kNow);
}
} // namespace

TEST(CompileDriver, TwoSlidesStopAtTheFirstStep) {
    SlideShowProject p = Project(2);
    ScriptedCompileHost host;
    EXPECT_EQ(CompileIt(p, host), CompileOutcome::TooFewSlides);
    ASSERT_EQ(host.ui.questions().size(), 1u);
    const MessageBoxRequest m = host.ui.messages()[0];
    EXPECT_EQ(m.text, "Sorry you need at least 3 pictures to make a slide show...\r\n\r\n"
                      "I'm sure you have some pictures around...");
    EXPECT_EQ(m.title, "Pevrano Slide Show");
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::None);
    EXPECT_TRUE(host.events.isEmpty());
}

TEST(CompileDriver, NoToTheConfirmationChangesNothing) {
    SlideShowProject p = Project(3);
    p.slide(2).Caption = "say \"cheese\"";
    ScriptedCompileHost host;
    host.ui.queueMessageAnswer(MsgResult::No);
    EXPECT_EQ(CompileIt(p, host), CompileOutcome::NotConfirmed);
    const MessageBoxRequest m = host.ui.messages().at(0);
    EXPECT_EQ(m.text, "Are you ready to compile your slide show now?");
    EXPECT_EQ(m.title, "Compile your Slide Show Now?");
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(p.slide(2).Caption, "say \"cheese\"");
    EXPECT_TRUE(host.events.isEmpty());
}

TEST(CompileDriver, QuotesBecomeApostrophesInEverySlotAndStay) {
    SlideShowProject p = Project(3);
    p.slide(1).Caption = "say \"cheese\" at Ann's";
    p.slot(20).Caption = "\"unused\"";
    ScriptedCompileHost host;
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back(std::nullopt);
    EXPECT_EQ(CompileIt(p, host), CompileOutcome::Cancelled);
    EXPECT_EQ(p.slide(1).Caption, "say 'cheese' at Ann's");
    EXPECT_EQ(p.slot(20).Caption, "'unused'");
    EXPECT_FALSE(p.flags.CompileCancelled);
    EXPECT_EQ(host.events, QStringList({"stop song", "page prompt"}));
}

TEST(CompileDriver, CancelInTheFolderPromptWritesNothing) {
    SlideShowProject p = Project(3);
    ScriptedCompileHost host;
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back("My Show");
    host.folderNames.push_back(std::nullopt);
    EXPECT_EQ(CompileIt(p, host), CompileOutcome::Cancelled);
    EXPECT_FALSE(p.flags.CompileCancelled);
    EXPECT_EQ(p.names.FirstPageName, "my show");
    EXPECT_EQ(host.events, QStringList({"stop song", "page prompt", "folder prompt"}));
    EXPECT_EQ(host.ui.questions().size(), 1u);
}

TEST(CompileDriver, CheckListsMissingCaptions) {
    SlideShowProject p = Project(8);
    p.slide(3).Caption.clear();
    p.slide(7).Caption.clear();
    for (MsgResult answer : {MsgResult::Yes, MsgResult::No, MsgResult::Cancel}) {
        ScriptedPrompter ui;
        ui.queueMessageAnswer(answer);
        EXPECT_EQ(CheckFinishedProduct(p, ui), answer == MsgResult::Yes);
        ASSERT_EQ(ui.messages().size(), 1u);
        const MessageBoxRequest m = ui.messages()[0];
        EXPECT_EQ(m.text, "You have  No Captions for side(s)  3, 7\r\n\r\n"
                          "Do You want to Continue and Finish \r\n\r\n"
                          "Or Go Back to Put in your Missing Captions ?\r\n\r\n"
                          "Note: To Go Back Select 'No' Or 'Cancel'");
        EXPECT_EQ(m.title, kCheckTitle);
        EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.defaultButton, std::optional<MsgResult>(MsgResult::Cancel));
    }
}

TEST(CompileDriver, CheckListsMissingPicturesOrBoth) {
    SlideShowProject p = Project(5);
    p.slide(2).PicturePath.clear();
    p.slide(5).PicturePath.clear();
    ScriptedPrompter ui;
    ui.queueMessageAnswer(MsgResult::No);
    EXPECT_FALSE(CheckFinishedProduct(p, ui));
    EXPECT_EQ(ui.messages().at(0).text, "You have No Pictures in slide(s)  2, 5\r\n\r\n"
                                        "Do You want to Continue and Finish ?\r\n\r\n"
                                        "Or Go Back to Put in your Missing Pictures ?\r\n\r\n"
                                        "Note: To Go Back Select 'No' Or 'Cancel'");

    p.slide(1).Caption.clear();
    ui.clear();
    ui.queueMessageAnswer(MsgResult::Yes);
    EXPECT_TRUE(CheckFinishedProduct(p, ui));
    const MessageBoxRequest m = ui.messages().at(0);
    EXPECT_EQ(m.text, "You have No Pictures in slide(s)  2, 5\r\n\r\n"
                      " And No Captions for side(s)  1\r\n\r\n\r\n\r\n"
                      "Do You want to Continue and  Finish ?\r\n\r\n"
                      "Or Go Back to Put in your Missing Pictures and Captions.\r\n\r\n"
                      "Note: To Go Back Select 'No' Or 'Cancel'");
    EXPECT_EQ(m.title, kCheckTitle);
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.defaultButton, std::optional<MsgResult>(MsgResult::Cancel));
}

TEST(CompileDriver, NothingMissingAsksNothing) {
    SlideShowProject p = Project(4);
    // A fresh slot beyond the count has no picture; only slides count.
    ScriptedPrompter ui;
    EXPECT_TRUE(CheckFinishedProduct(p, ui));
    EXPECT_TRUE(ui.questions().empty());
}

TEST(CompileDriver, GoingBackFromTheCheckWritesNothing) {
    SlideShowProject p = Project(3);
    p.slide(2).Caption.clear();
    ScriptedCompileHost host;
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.ui.queueMessageAnswer(MsgResult::Cancel);
    EXPECT_EQ(CompileIt(p, host), CompileOutcome::WentBack);
    EXPECT_TRUE(host.events.isEmpty());
}
