#include "platform/LocalFileSystem.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class LocalFs : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    LocalFileSystem fs;
    QString path(const char* name) const { return tmp.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(LocalFs, CreateDirectoryMapsTheSystemsRefusals) {
    EXPECT_TRUE(fs.createDirectory(path("show")).ok());
    EXPECT_TRUE(QFileInfo(path("show")).isDir());

    EXPECT_EQ(fs.createDirectory(path("show")).error, FsError::AlreadyExists);

    ASSERT_TRUE(fs.writeFile(path("file"), "x").ok());
    EXPECT_EQ(fs.createDirectory(path("file/sub")).error, FsError::PathNotFound);

    const FsResult tooLong = fs.createDirectory(tmp.filePath(QString(300, 'n')));
    EXPECT_EQ(tooLong.error, FsError::Other);
    EXPECT_EQ(tooLong.reason, "File name too long");
}

TEST_F(LocalFs, CopyMakesANewFileAndNeverReplacesOne) {
    ASSERT_TRUE(fs.writeFile(path("a.jpg"), QByteArray(100000, 'a')).ok());
    ASSERT_TRUE(fs.writeFile(path("b.jpg"), "bee").ok());
    EXPECT_TRUE(fs.copyFile(path("a.jpg"), path("copy.jpg")).ok());
    EXPECT_EQ(ReadFile(path("copy.jpg")), QByteArray(100000, 'a'));

    const FsResult onto = fs.copyFile(path("a.jpg"), path("b.jpg"));
    EXPECT_EQ(onto.error, FsError::AlreadyExists);
    EXPECT_EQ(ReadFile(path("b.jpg")), "bee");

    EXPECT_EQ(fs.copyFile(path("none.jpg"), path("n.jpg")).error, FsError::PathNotFound);
    EXPECT_FALSE(QFile::exists(path("n.jpg")));
    EXPECT_EQ(fs.copyFile(path("a.jpg"), path("gone/a.jpg")).error, FsError::PathNotFound);
    // A folder is no picture: nothing is created for it.
    ASSERT_TRUE(fs.createDirectory(path("folder.jpg")).ok());
    EXPECT_FALSE(fs.copyFile(path("folder.jpg"), path("f.jpg")).ok());
    EXPECT_FALSE(QFile::exists(path("f.jpg")));
    // Nor is a FIFO: refused at once rather than waiting for a writer.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.jpg")).constData(), 0600), 0);
    EXPECT_EQ(fs.copyFile(path("pipe.jpg"), path("p.jpg")).code, EINVAL);
    EXPECT_FALSE(QFile::exists(path("p.jpg")));
    // A NUL would cut the name short: "a.jpg\0x" is not "a.jpg".
    EXPECT_EQ(fs.copyFile(path("a.jpg") + QChar(0) + "x", path("nul.jpg")).code, EINVAL);
}

TEST_F(LocalFs, CopyOfAReadOnlyFileBecomesOwnerWritable) {
    ASSERT_TRUE(fs.writeFile(path("ro.gif"), "GIF").ok());
    ASSERT_TRUE(QFile::setPermissions(path("ro.gif"), QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(fs.copyFile(path("ro.gif"), path("copy.gif")).ok());
    // The copy is made writable by its owner at once, the rest of the mode kept.
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFileInfo(path("copy.gif")).permissions() & mode,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    EXPECT_EQ(fs.makeOwnerWritable(path("none")).error, FsError::PathNotFound);
}

TEST_F(LocalFs, WriteFileTruncatesAndReportsFailures) {
    ASSERT_TRUE(fs.writeFile(path("page.htm"), "a long first text").ok());
    ASSERT_TRUE(fs.writeFile(path("page.htm"), "short").ok());
    EXPECT_EQ(ReadFile(path("page.htm")), "short");
    EXPECT_TRUE(fs.writeFile(path("empty.htm"), {}).ok());
    EXPECT_EQ(QFileInfo(path("empty.htm")).size(), 0);

    EXPECT_EQ(fs.writeFile(path("gone/page.htm"), "x").error, FsError::PathNotFound);
    // A full disk.
    if (QFileInfo::exists("/dev/full")) {
        const FsResult full = fs.writeFile("/dev/full", "bytes");
        EXPECT_EQ(full.error, FsError::Other);
        EXPECT_EQ(full.code, ENOSPC);
        EXPECT_EQ(full.reason, "No space left on device");
    }
    // A write that fails half way leaves no partial page (a file size limit
    // stands in for a full disk).
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FsResult tooBig = fs.writeFile(path("big.htm"), QByteArray(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(tooBig.code, EFBIG);
    EXPECT_FALSE(QFile::exists(path("big.htm")));
}

TEST_F(LocalFs, DriveTypeOfOrdinaryFolders) {
    // The temporary folder and the kernel's own file systems sit on fixed
    // media here; a missing folder is judged by the mount it would be on.
    EXPECT_EQ(fs.driveType(tmp.path()), DriveType::Fixed);
    EXPECT_EQ(fs.driveType(path("not/made/yet")), DriveType::Fixed);
}
