#include "platform/ProgramFolder.h"
#include "TestFiles.h"

#include <QTemporaryDir>

TEST(ProgramFolder, BuildTreeUsesTheExecutablesFolder) {
    QTemporaryDir tree;
    const QString bin = tree.filePath("bin");
    WriteFile(bin + "/UserDefColors.col", "\"FF0000\"\r\n");
    EXPECT_EQ(ProgramFolderFor(bin), bin);
    EXPECT_EQ(WritableProgramFolderFor(bin, tree.filePath("user")), bin);
    EXPECT_FALSE(QDir(tree.filePath("user")).exists());
}

TEST(ProgramFolder, InstalledLayoutFindsItsDataAndKeepsAUserCopy) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    const QString data = prefix.filePath("share/pevrano-slideshow");
    QDir().mkpath(bin);
    WriteFile(data + "/Ocean.col", "\"0000FF\"\r\n");
    WriteFile(data + "/clouds.jpg", "picture");
    EXPECT_EQ(ProgramFolderFor(bin), data);

    const QString user = prefix.filePath("home/.local/share/Pevrano/Pevrano Slide Show");
    EXPECT_EQ(WritableProgramFolderFor(bin, user), user);
    EXPECT_EQ(ReadFile(user + "/Ocean.col"), "\"0000FF\"\r\n");
    EXPECT_FALSE(QFile::exists(user + "/clouds.jpg")); // read-only data stays installed

    // The user's own changes survive the next start.
    WriteFile(user + "/Ocean.col", "\"00FF00\"\r\n");
    EXPECT_EQ(WritableProgramFolderFor(bin, user), user);
    EXPECT_EQ(ReadFile(user + "/Ocean.col"), "\"00FF00\"\r\n");
}
