// The compile driver: the runs that stop before anything is written, and
// whole runs into temporary folders where a page write fails or the
// directory is the root. A good run's files and messages are in the
// compiled-show snapshots.
#include "compiler/CompileDriver.h"
#include "FaultyFileSystem.h"
#include "ScriptShows.h"
#include "ScriptedCompileHost.h"
#include "TestFiles.h"
#include "platform/LocalFileSystem.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QDateTime kNow(QDate(2024, 3, 5), QTime(10, 0));
const FsResult kDiskFull{FsError::Other, "No space left on device", 28};

SlideShowProject Project(int slides, const QString& folder = "/pics") {
    return MakeShow(slides, Background::OneColor, folder);
}

// Runs that stop early touch no file: any file-system call fails the test.
CompileResult CompileUntouched(const SlideShowProject& p, ScriptedCompileHost& host) {
    LocalFileSystem local;
    FaultyFileSystem untouched(local, [](const QString&, const QString& path) {
        ADD_FAILURE() << "file system used: " << path.toStdString();
        return std::optional<FsResult>(FsResult{FsError::Other, "not here"});
    });
    return CompileShow(p, host, untouched, "/opt/pevrano", kNow);
}

QString CheckText(const SlideShowProject& p, MsgResult answer, bool* proceed = nullptr) {
    ScriptedPrompter ui;
    ui.queueMessageAnswer(answer);
    const bool goOn = CheckFinishedProduct(p, ui);
    if (proceed)
        *proceed = goOn;
    EXPECT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest m = ui.messages().at(0);
    EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.defaultButton, std::optional<MsgResult>(MsgResult::Cancel));
    return m.text;
}
} // namespace

TEST(CompileDriver, TooFewSlidesOrNoToTheConfirmationChangeNothing) {
    SlideShowProject two = Project(2);
    ScriptedCompileHost host;
    EXPECT_EQ(CompileUntouched(two, host).outcome, CompileOutcome::TooFewSlides);
    const MessageBoxRequest few = host.ui.messages().at(0);
    EXPECT_EQ(few.text, "Sorry you need at least 3 pictures to make a slide show...\r\n\r\n"
                        "I'm sure you have some pictures around...");

    SlideShowProject p = Project(3);
    host.ui.clear();
    host.ui.queueMessageAnswer(MsgResult::No);
    EXPECT_EQ(CompileUntouched(p, host).outcome, CompileOutcome::NotConfirmed);
    EXPECT_EQ(host.ui.messages().at(0).buttons, MsgButtons::YesNo);
    EXPECT_TRUE(host.events.isEmpty());
}

// A cancelled run keeps nothing: the answers it returns are the show's own,
// not the page name typed before the Cancel.
TEST(CompileDriver, CancelInEitherNamePromptTouchesNoFileAndKeepsNothing) {
    SlideShowProject p = Project(3);
    p.names.FirstPageName = "before";
    ScriptedCompileHost host;
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back(std::nullopt);
    EXPECT_EQ(CompileUntouched(p, host).outcome, CompileOutcome::Cancelled);

    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back("My Show");
    host.folderNames.push_back(std::nullopt);
    const CompileResult cancelled = CompileUntouched(p, host);
    EXPECT_EQ(cancelled.outcome, CompileOutcome::Cancelled);
    EXPECT_EQ(cancelled.answers, ShowChange::KeptAnswers::Of(p));
    EXPECT_EQ(cancelled.answers.FirstPageName, "before");
    EXPECT_EQ(host.events, QStringList({"stop song", "page prompt", "stop song", "page prompt",
                                        "folder prompt"}));
}

// The message with captions missing alone is in the compiled-show snapshots.
TEST(CompileDriver, CheckListsMissingPicturesAndCaptions) {
    bool proceed = false;
    SlideShowProject p = Project(5);
    p.slide(2).PicturePath.clear();
    p.slide(5).PicturePath.clear();
    p.slide(1).Caption.clear();
    EXPECT_EQ(CheckText(p, MsgResult::Yes, &proceed),
              "You have No Pictures in slide(s)  2, 5\r\n\r\n"
              " And No Captions for side(s)  1\r\n\r\n\r\n\r\n"
              "Do You want to Continue and  Finish ?\r\n\r\n"
              "Or Go Back to Put in your Missing Pictures and Captions.\r\n\r\n"
              "Note: To Go Back Select 'No' Or 'Cancel'");
    EXPECT_TRUE(proceed);
    p.slide(1).Caption = "back";
    EXPECT_TRUE(CheckText(p, MsgResult::Cancel, &proceed)
                    .endsWith("Missing Pictures ?\r\n\r\n"
                              "Note: To Go Back Select 'No' Or 'Cancel'"));
    EXPECT_FALSE(proceed);

    // Nothing missing: nothing asked. Going back from the check writes nothing.
    ScriptedPrompter ui;
    EXPECT_TRUE(CheckFinishedProduct(Project(4), ui));
    EXPECT_TRUE(ui.questions().empty());
    ScriptedCompileHost host;
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.ui.queueMessageAnswer(MsgResult::No);
    EXPECT_EQ(CompileUntouched(p, host).outcome, CompileOutcome::WentBack);
    EXPECT_TRUE(host.events.isEmpty());
}

namespace {
// Whole runs: three pictures, a program folder and a directory for the show.
class CompileRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* sub : {"program", "pictures", "out"})
            QDir(root.path()).mkdir(sub);
        p = Project(3, root.filePath("pictures"));
        for (int k = 1; k <= 3; ++k)
            WriteFile(p.slide(k).PicturePath, TinyPicture(".jpg"));
        WriteProgramFolder(root.filePath("program"));
        // Answers for a run that goes through: Yes, the names, the directory
        // and the message.
        host.ui.queueMessageAnswer(MsgResult::Yes);
        host.pageNames.push_back("My Show");
        host.folderNames.push_back("Show");
    }
    // The directory, the opening page's message, then whether to view the show.
    void Answer(std::optional<MsgResult> view = MsgResult::No, const QString& message = "Hello",
                const QString& directory = {}) {
        host.ui.queueFolder(directory.isEmpty() ? root.filePath("out") : directory);
        host.ui.queueInput(message);
        if (view)
            host.ui.queueMessageAnswer(*view);
    }
    // The show is handed over read only, as the window and the command line
    // hand theirs.
    CompileOutcome Compile(FileSystem& fs) {
        const SlideShowProject& show = p;
        result = CompileShow(show, host, fs, root.filePath("program"), kNow);
        return result.outcome;
    }

    QTemporaryDir root;
    const QString show = root.filePath("out/show/");
    SlideShowProject p;
    ScriptedCompileHost host;
    LocalFileSystem local;
    CompileResult result;
};
} // namespace

// The show keeps its captions as typed; only the classic pages show a double
// quote as an apostrophe. Viewing it now opens the opening page.
TEST_F(CompileRun, ViewNowOpensTheOpeningPageAndCaptionsKeepTheirQuotes) {
    p.slide(1).Caption = "the \"big\" day";
    Answer(MsgResult::Yes);
    ASSERT_EQ(Compile(local), CompileOutcome::Compiled);
    EXPECT_EQ(host.events.last(), "open " + show + "my show.htm");
    EXPECT_TRUE(QFile::exists(show + "my show.htm"));
    EXPECT_TRUE(ReadFile(show + "pix/slideshw.htm").contains(">the 'big' day</DIV>"));
    EXPECT_TRUE(ReadFile(show + "pix/allcode.js").contains("\"the \\'big\\' day\""));
}

// The run answers its questions into a copy of its own: the show handed to
// it is read only and comes back as it was (no names, no title, no names of
// the copies in pix); the answers it keeps come back in the result.
TEST_F(CompileRun, TheShowIsLeftAsItWasAndTheAnswersComeBack) {
    p.publish = {"site", "shows", "https://example.org/"};
    p.names.pix = PixFiles{}; // as a show comes from a file or the window
    const SlideShowProject before = p;
    Answer(MsgResult::No, "Hello");
    ASSERT_EQ(Compile(local), CompileOutcome::Compiled);
    EXPECT_TRUE(QFile::exists(show + "pix/pic3.jpg"));

    EXPECT_TRUE(ShowChange::Between(before, p).IsEmpty());
    EXPECT_EQ(ShowChange::KeptAnswers::Of(p), ShowChange::KeptAnswers::Of(before));
    EXPECT_FALSE(p.names.pix.settled);
    EXPECT_TRUE(p.names.pix.pictures.isEmpty());
    EXPECT_TRUE(p.names.pix.fullSizes.isEmpty());
    EXPECT_FALSE(p.flags.CompileCancelled);
    const ShowChange::KeptAnswers expected{"my show", "show", show, "Hello", p.publish};
    EXPECT_EQ(result.answers, expected);
}

// With the player on, index.html and its files stand beside the classic
// pages; a MIDI song is left out of it and the closing message says so.
TEST_F(CompileRun, PlayerPageBesideTheClassicPages) {
    p.settings.Player = true;
    p.settings.SongPath = root.filePath("pictures/tune.mid");
    WriteFile(p.settings.SongPath, "MThd");
    Answer();
    ASSERT_EQ(Compile(local), CompileOutcome::Compiled);
    for (const char* name : {"index.html", "my show.htm", "pix/player.js", "pix/player.css",
                             "pix/allcode.js", "pix/thesong.mid"})
        EXPECT_TRUE(QFile::exists(show + name)) << name;
    EXPECT_TRUE(ReadFile(show + "pix/player.js").contains("\"song\":\"\","));
    EXPECT_TRUE(ReadFile(show + "index.html").contains("href=\"my%20show.htm\""));
    const MessageBoxRequest done = host.ui.messages().at(host.ui.messages().size() - 2);
    EXPECT_EQ(done.title, "Compiled Successfully");
    EXPECT_EQ(done.text, "Your files were put in the your path \"" + show +
                             "\" successfully!\r\n\r\nThe player page (index.html) has no song: "
                             "browsers cannot play MIDI. The classic pages keep it.");
}

// A page that cannot be written stops the run with a box naming the file and
// the reason; the run keeps none of its answers.
TEST_F(CompileRun, FailingPageWriteStopsTheRunAndKeepsNothing) {
    p.names.FirstPageName = "before";
    p.settings.TitleMessage = "old message";
    FaultyFileSystem full(local, FaultyFileSystem::Failing("write", "allcode.js", kDiskFull));
    Answer(std::nullopt, "New message");
    EXPECT_EQ(Compile(full), CompileOutcome::WriteFailed);

    const MessageBoxRequest m = host.ui.messages().back();
    EXPECT_EQ(m.title, "File Error!");
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.text, "The file \"" + show +
                          "pix/allcode.js\" could not be written: "
                          "No space left on device\r\nThe slide show was not finished.");
    EXPECT_TRUE(QFile::exists(show + "pix/ssnobnoc.htm"));
    EXPECT_FALSE(QFile::exists(show + "pix/netscape.htm"));

    // Nothing of the run is kept: the answers are the show's own.
    const ShowChange::KeptAnswers& kept = result.answers;
    EXPECT_EQ(QStringList(
                  {kept.FirstPageName, kept.ShowFolderName, kept.OutputFolder, kept.TitleMessage}),
              QStringList({"before", "", "", "old message"}));
}

// A directory at the root of a drive gets no doubled separator.
TEST_F(CompileRun, DriveRootAsDirectory) {
    QStringList made;
    FaultyFileSystem paper(local, [&](const QString& op, const QString& path) {
        made << op + " " + path;
        return std::optional<FsResult>(FsResult::success()); // nothing happens at the root
    });
    Answer(MsgResult::No, "Root", "/");
    ASSERT_EQ(Compile(paper), CompileOutcome::Compiled);
    EXPECT_EQ(result.answers.OutputFolder, "/show/");
    ASSERT_FALSE(made.isEmpty());
    EXPECT_EQ(made[0], "create /show/");
    EXPECT_TRUE(made.contains("copy /show/pix/pic1.jpg"));
    EXPECT_TRUE(made.contains("write /show/my show.htm"));
    EXPECT_FALSE(made.join("\n").contains("//"));
}

// Copies that fail keep their "Error occurred!" box each; the run then ends
// with a summary naming every missing file and the system's reason, never
// with "Compiled Successfully".
TEST_F(CompileRun, FailedCopiesEndInASummaryInsteadOfSuccess) {
    FaultyFileSystem full(
        local, [](const QString& op, const QString& path) -> std::optional<FsResult> {
            if (op == "copy" && (path.endsWith("pic2.jpg") || path.endsWith("photo.jar")))
                return kDiskFull;
            return std::nullopt;
        });
    Answer();
    EXPECT_EQ(Compile(full), CompileOutcome::Incomplete);

    const std::vector<MessageBoxRequest> msgs = host.ui.messages();
    QStringList titles;
    for (const MessageBoxRequest& m : msgs)
        titles << m.title;
    EXPECT_EQ(titles.count("File Copy Error"), 2);
    EXPECT_FALSE(titles.contains("Compiled Successfully"));
    const MessageBoxRequest done = msgs.at(msgs.size() - 2);
    EXPECT_EQ(done.title, "Slide Show Not Complete");
    EXPECT_EQ(done.icon, MsgIcon::Exclamation);
    EXPECT_EQ(done.text, "Your files were put in the your path \"" + show +
                             "\", but these files are missing from the slide show:\r\n"
                             "Cannot copy " +
                             p.slide(2).PicturePath + " to " + show +
                             "pix/pic2.jpg: No space left on device\r\n"
                             "Cannot copy " +
                             root.filePath("program/photo.jar") + " to " + show +
                             "pix/photo.jar: No space left on device");
    EXPECT_EQ(msgs.back().title, "View your Slide Show now?");
}

// A long list of missing files is cut, so the box still fits on the screen.
TEST_F(CompileRun, SummaryOfManyMissingFilesIsCut) {
    p = Project(25, root.filePath("pictures")); // pictures 4 to 25 do not exist
    Answer();
    EXPECT_EQ(Compile(local), CompileOutcome::Incomplete);
    const std::vector<MessageBoxRequest> msgs = host.ui.messages();
    const QStringList lines = msgs.at(msgs.size() - 2).text.split("\r\n");
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[1],
              "Cannot read " + root.filePath("pictures/photo4.jpg") + "; it is not in the show");
    EXPECT_EQ(lines.last(), "and 2 more");
}
