#include "MoveFilesFixture.h"

#include <QFileInfo>

using namespace movefiles_test;

TEST_F(MoveFilesTest, ColourBackgroundsGiveThePicturesAssetsAndOpeningPicture) {
    p.settings.OpenPgBkPic = source("Opening Page.GIF");
    QFile::setPermissions(sources + "hill.jpg", QFile::ReadOwner | QFile::ReadGroup);
    answer("My Show", target);
    run();

    EXPECT_EQ(p.names.OutputFolder, target + "/my show/");
    EXPECT_EQ(pixFiles(), With({"pic1.jpg", "pic2.jpg", "pic3.jpeg", "opening page.gif"}));
    EXPECT_FALSE(QFile::exists(pix() + "/wood.gif")); // only the chosen opening picture
    EXPECT_EQ(ReadBytes(pix() + "/pic1.jpg"), "picture Beach.JPG");
    EXPECT_EQ(ReadBytes(pix() + "/pic2.jpg"), "picture hill.jpg");
    EXPECT_EQ(ReadBytes(pix() + "/photo.jar"), "asset photo.jar");
    EXPECT_EQ(ReadBytes(pix() + "/opening page.gif"), "picture Opening Page.GIF");
    // A read-only source still gives a copy its owner may change.
    EXPECT_TRUE(QFileInfo(pix() + "/pic2.jpg").permissions() & QFile::WriteOwner);

    const auto& q = host.ui.questions();
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].kind, ScriptedPrompter::Kind::Folder);
    EXPECT_EQ(q[0].folderPrompt, kBrowsePrompt);
    const MessageBoxRequest& note = q[1].message;
    EXPECT_EQ(note.text,
              "        Please take Note:\r\nYour Directory and folder is: " + target + "/my show/");
    EXPECT_EQ(note.title, "Pevrano Slide Show");
    EXPECT_EQ(note.icon, MsgIcon::Exclamation);
    EXPECT_EQ(note.buttons, MsgButtons::Ok);
    EXPECT_FALSE(p.flags.CompileCancelled);
}

TEST_F(MoveFilesTest, ProgressRunsOverTheFixedStepsAndPointerIsRestored) {
    answer("show", target);
    run();
    EXPECT_EQ(host.progressMaximum, 2 * 3 + 23);
    // Three pictures, the skipped backgrounds at once, the background step,
    // six view images, the applet archive and the opening-page picture.
    EXPECT_EQ(host.progressValues, (std::vector<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_FALSE(host.progressVisible);
    EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(MoveFilesTest, EachSlideBackgroundIsCopiedAsBkimg) {
    p.settings.UseColTrueUsePicFalse = false;
    p.settings.optIntBkImgOptionForm = 1;
    p.slide(1).BkPicture = source("Sky.GIF");
    p.slide(2).BkPicture = source("grass.bmp");
    p.slide(3).BkPicture = source("Sky.GIF");
    answer("show", target);
    run();
    EXPECT_EQ(pixFiles(), With({"pic1.jpg", "pic2.jpg", "pic3.jpeg", "bkimg1.gif", "bkimg2.bmp",
                                "bkimg3.gif", "wood.gif"}));
    EXPECT_EQ(ReadBytes(pix() + "/bkimg2.bmp"), "picture grass.bmp");
    EXPECT_EQ(host.progressValues.back(), 15);
}

TEST_F(MoveFilesTest, OneSharedBackgroundComesFromTheFirstSlot) {
    p.settings.UseColTrueUsePicFalse = false;
    p.settings.optIntBkImgOptionForm = 0;
    p.slot(0).BkPicture = source("Shared.PNG");
    p.slide(2).BkPicture = source("other.gif");
    p.slide(3).BkPicture = source("third.jpg");
    answer("show", target);
    run();
    EXPECT_EQ(pixFiles(), With({"pic1.jpg", "pic2.jpg", "pic3.jpeg", "bgimg.png", "wood.gif"}));
    EXPECT_EQ(ReadBytes(pix() + "/bgimg.png"), "picture Shared.PNG");
    EXPECT_EQ(host.progressValues.back(), 14);
}

TEST_F(MoveFilesTest, SongKeepsItsExtensionLowerCased) {
    p.settings.SongPath = source("Tune.MID");
    answer("show", target);
    run();
    EXPECT_EQ(pixFiles(), With({"pic1.jpg", "pic2.jpg", "pic3.jpeg", "thesong.mid", "wood.gif"}));
    EXPECT_EQ(ReadBytes(pix() + "/thesong.mid"), "picture Tune.MID");
    EXPECT_EQ(host.progressValues.back(), 15);
}

TEST_F(MoveFilesTest, CancelledFolderNameCreatesNothing) {
    host.folderNames.push_back(std::nullopt);
    run();
    EXPECT_TRUE(p.flags.CompileCancelled);
    EXPECT_TRUE(host.ui.questions().empty());
    EXPECT_TRUE(fs.created.empty());
    EXPECT_TRUE(host.busyChanges.empty());
}

TEST_F(MoveFilesTest, CancelledBrowserAndRefusedDrivesAskForTheDirectoryAgain) {
    const QString cd = tmp.filePath("cdrom"), usb = tmp.filePath("usb");
    fs.drives[cd] = DriveType::CdRom;
    fs.drives[usb] = DriveType::Removable;
    fs.drives[target] = DriveType::Network; // accepted
    host.folderNames.push_back("show");
    for (const QString& answerDir : {QString(), cd, usb, target})
        host.ui.queueFolder(answerDir);
    run();

    const auto& q = host.ui.questions();
    ASSERT_EQ(q.size(), 7u);
    using K = ScriptedPrompter::Kind;
    for (int i : {0, 1, 3, 5})
        EXPECT_EQ(q[i].kind, K::Folder) << i;
    EXPECT_EQ(q[2].message.text, "You Can Not Select a CD Rom Drive!");
    EXPECT_EQ(q[4].message.text, "You Can Not Select a Foppy Drive!");
    for (int i : {2, 4}) {
        EXPECT_EQ(q[i].message.title, "Please select another path...");
        EXPECT_EQ(q[i].message.icon, MsgIcon::Critical);
    }
    EXPECT_EQ(q[6].message.title, "Pevrano Slide Show");
    EXPECT_EQ(host.folderNameQuestions, 1);
    EXPECT_EQ(p.names.OutputFolder, target + "/show/");
    EXPECT_TRUE(QFile::exists(pix() + "/pic3.jpeg"));
}

namespace {
// Records every call and touches no disk, so a run can target "/".
class PaperFileSystem : public FileSystem {
public:
    std::vector<QString> created, copiedFrom, copiedTo;
    FsResult createDirectory(const QString& path) override {
        created.push_back(path);
        return {};
    }
    FsResult copyFile(const QString& from, const QString& to) override {
        copiedFrom.push_back(from);
        copiedTo.push_back(to);
        return {};
    }
    FsResult makeOwnerWritable(const QString&) override { return {}; }
    DriveType driveType(const QString&) override { return DriveType::Fixed; }
    FsResult writeFile(const QString&, const QByteArray&) override { return {}; }
};
} // namespace

TEST_F(MoveFilesTest, RootDirectoryIsNotDoubled) {
    PaperFileSystem paper;
    answer("show", "/");
    MoveFiles(p, host, paper, program + '/');
    EXPECT_EQ(p.names.OutputFolder, "/show/");
    EXPECT_EQ(paper.created, (std::vector<QString>{"/show/", "/show/pix"}));
    ASSERT_EQ(paper.copiedTo.size(), 3u + 7u + 1u);
    EXPECT_EQ(paper.copiedTo.front(), "/show/pix/pic1.jpg");
    EXPECT_EQ(paper.copiedTo.back(), "/show/pix/wood.gif");
    // A program folder given with its separator gets no second one.
    EXPECT_EQ(paper.copiedFrom[3], program + "/fraright.jpg");
}
