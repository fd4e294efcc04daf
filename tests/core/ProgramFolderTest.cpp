#include "platform/ProgramFolder.h"
#include "PrintQt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(ProgramFolder, BuildTreeUsesTheExecutablesFolder) {
    QTemporaryDir tree;
    const QString bin = tree.filePath("bin");
    Write(bin + "/UserDefColors.col", "\"FF0000\"\r\n");
    EXPECT_EQ(ProgramFolderFor(bin), bin);
    EXPECT_EQ(WritableProgramFolderFor(bin, tree.filePath("user")), bin);
    EXPECT_FALSE(QDir(tree.filePath("user")).exists());
}

TEST(ProgramFolder, InstalledLayoutFindsItsDataAndKeepsAUserCopy) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    const QString data = prefix.filePath("share/pevrano-slideshow");
    QDir().mkpath(bin);
    Write(data + "/Ocean.col", "\"0000FF\"\r\n");
    Write(data + "/clouds.jpg", "picture");
    EXPECT_EQ(ProgramFolderFor(bin), data);

    const QString user = prefix.filePath("home/.local/share/Pevrano/Pevrano Slide Show");
    EXPECT_EQ(WritableProgramFolderFor(bin, user), user);
    EXPECT_EQ(Read(user + "/Ocean.col"), "\"0000FF\"\r\n");
    EXPECT_FALSE(QFile::exists(user + "/clouds.jpg")); // read-only data stays installed

    // The user's own changes survive the next start.
    Write(user + "/Ocean.col", "\"00FF00\"\r\n");
    EXPECT_EQ(WritableProgramFolderFor(bin, user), user);
    EXPECT_EQ(Read(user + "/Ocean.col"), "\"00FF00\"\r\n");
}
