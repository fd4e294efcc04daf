#include "MoveFilesFixture.h"

#include <cerrno>
#include <unistd.h>

using namespace movefiles_test;

namespace {
const QString kExistsText = QStringLiteral("A folder with this name in this Directory already "
                                           "exist! \r\nPlease type (select) a different Name "
                                           "file path.");

void ExpectBox(const MessageBoxRequest& m, const QString& text, const QString& title,
               MsgIcon icon) {
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.title, title);
    EXPECT_EQ(m.icon, icon);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
}
} // namespace

TEST_F(MoveFilesTest, ExistingFolderAsksTheQuestionsAgain) {
    ASSERT_TRUE(QDir(target).mkdir("old"));
    WriteBytes(target + "/old/keep.txt", "mine");
    answer("OLD", target);
    answer("New", target);
    run();

    const auto msgs = messages();
    ASSERT_EQ(msgs.size(), 2u);
    ExpectBox(msgs[0], kExistsText, "Need a New File Path Name or Directory.", MsgIcon::Critical);
    EXPECT_EQ(msgs[1].title, "Pevrano Slide Show");
    EXPECT_EQ(host.folderNameQuestions, 2);
    EXPECT_EQ(p.names.OutputFolder, target + "/new/");
    EXPECT_TRUE(QFile::exists(pix() + "/pic1.jpg"));
    // The folder that was there is left as it was.
    EXPECT_EQ(QDir(target + "/old").entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"keep.txt"});
    EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(MoveFilesTest, MissingParentIsTheExistingFolderCase) {
    answer("show", target + "/gone");
    answer("show", target);
    run();
    ExpectBox(messages().at(0), kExistsText, "Need a New File Path Name or Directory.",
              MsgIcon::Critical);
    EXPECT_EQ(p.names.OutputFolder, target + "/show/");
}

TEST_F(MoveFilesTest, UnwritableDirectoryShowsTheFileErrorAndAsksAgain) {
    fs.failCreate[target + "/show/"] = FsResultFromErrno(EACCES);
    const QString other = tmp.filePath("other");
    ASSERT_TRUE(QDir().mkdir(other));
    answer("show", target);
    answer("show", other);
    run();

    const auto msgs = messages();
    ASSERT_EQ(msgs.size(), 2u);
    ExpectBox(msgs[0], "13 Permission denied Error has occured please try again!", "File Error!",
              MsgIcon::Critical);
    EXPECT_EQ(host.folderNameQuestions, 2);
    EXPECT_EQ(p.names.OutputFolder, other + "/show/");
    EXPECT_TRUE(QFile::exists(pix() + "/photo.jar"));
}

TEST_F(MoveFilesTest, ReallyUnwritableDirectoryIsRefusedByTheSystem) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner));
    answer("show", target);
    host.folderNames.push_back(std::nullopt);
    run();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ExpectBox(messages().at(0), "13 Permission denied Error has occured please try again!",
              "File Error!", MsgIcon::Critical);
    EXPECT_TRUE(p.flags.CompileCancelled);
}

TEST_F(MoveFilesTest, SystemRefusalOfAFolderNameIsReportedWithItsNumber) {
    answer(QString(300, 'a'), target); // longer than a file name may be
    host.folderNames.push_back(std::nullopt);
    run();
    ExpectBox(messages().at(0), "36 File name too long Error has occured please try again!",
              "File Error!", MsgIcon::Critical);
    EXPECT_TRUE(p.flags.CompileCancelled);
}

TEST_F(MoveFilesTest, FailedPixFolderSendsTheRunBackToTheQuestions) {
    fs.failCreate[target + "/show/pix"] = FsResultFromErrno(ENOSPC);
    answer("show", target);
    answer("second", target);
    run();
    ExpectBox(messages().at(0), "28 No space left on device Error has occured please try again!",
              "File Error!", MsgIcon::Critical);
    EXPECT_EQ(p.names.OutputFolder, target + "/second/");
    EXPECT_EQ(pixFiles().size(), 11u);
}

TEST_F(MoveFilesTest, SourceWithoutExtensionIsAGeneralErrorBeforeAnythingIsMade) {
    p.settings.SongPath = source("README");
    answer("show", target);
    host.folderNames.push_back(std::nullopt);
    run();
    ExpectBox(messages().at(0),
              "22 The file name has no extension: " + sources +
                  "README Error has occured please try again!",
              "File Error!", MsgIcon::Critical);
    EXPECT_TRUE(fs.created.empty());
    EXPECT_TRUE(p.flags.CompileCancelled);
}

TEST_F(MoveFilesTest, MissingSourcesAreReportedOneByOneAndTheRunGoesOn) {
    p.slide(2).PicturePath = sources + "vanished.jpg";
    QFile::remove(program + "/photo.jar");
    answer("show", target);
    run();

    const auto msgs = messages();
    ASSERT_EQ(msgs.size(), 3u); // note, picture, applet archive
    for (int i : {1, 2})
        ExpectBox(msgs[i], "Error occurred!", "File Copy Error", MsgIcon::Information);
    std::set<std::string> expected = With({"pic1.jpg", "pic3.jpeg", "wood.gif"});
    expected.erase("photo.jar");
    EXPECT_EQ(pixFiles(), expected);
    EXPECT_EQ(host.progressValues.back(), 14);
    EXPECT_EQ(host.folderNameQuestions, 1);
}

TEST_F(MoveFilesTest, SlideLeftWithoutPictureIsSkippedQuietly) {
    p.slide(2).PicturePath.clear();
    answer("show", target);
    run();
    EXPECT_EQ(messages().size(), 1u); // the note only
    EXPECT_EQ(pixFiles(), With({"pic1.jpg", "pic3.jpeg", "wood.gif"}));
    EXPECT_EQ(host.folderNameQuestions, 1);
}

TEST_F(MoveFilesTest, ExistingDestinationFileIsNotOverwritten) {
    // An opening-page picture named like a slide copy meets that copy.
    p.settings.OpenPgBkPic = source("PIC1.JPG");
    answer("show", target);
    run();
    ExpectBox(messages().at(1), "Error occurred!", "File Copy Error", MsgIcon::Information);
    EXPECT_EQ(ReadBytes(pix() + "/pic1.jpg"), "picture Beach.JPG");
}

TEST_F(MoveFilesTest, PointerAndProgressAreRestoredWhenACopyThrows) {
    fs.beforeCopy = [](const QString& to) {
        if (to.endsWith("catalog.jpg"))
            throw std::runtime_error("interrupted");
    };
    answer("show", target);
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_FALSE(host.progressVisible);
}
