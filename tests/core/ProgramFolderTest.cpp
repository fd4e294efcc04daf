#include "platform/ProgramFolder.h"
#include "TestFiles.h"

#include <QTemporaryDir>

// Run from the build tree the executable's folder is the program folder and
// nothing is copied; installed, the data is found under share and the
// writable files get a per-user copy.
TEST(ProgramFolder, BuildTreeOrInstalledLayout) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    const QString data = prefix.filePath("share/pevrano-slideshow");
    WriteFile(bin + "/UserDefColors.col", "\"FF0000\"\r\n");
    EXPECT_EQ(ProgramFolderFor(bin), bin);
    EXPECT_EQ(WritableProgramFolderFor(bin, prefix.filePath("user")), bin);
    EXPECT_FALSE(QDir(prefix.filePath("user")).exists());
    QFile::remove(bin + "/UserDefColors.col");
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
