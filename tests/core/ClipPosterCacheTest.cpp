// The window's clip posters: made once into the user's cache folder, made
// again for a changed clip, refused for a damaged one, and kept within a
// bound.
#include "video/ClipPosterCache.h"
#include "core/ClipTestFiles.h"
#include "pictures/PictureEngine.h"
#include "video/ClipCache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString CopyClip(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(QFile::copy(TestClip(name), path));
    return path;
}

void WriteFile(const QString& path, qsizetype bytes, const QDateTime& modified) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(bytes, 'x'));
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
}
} // namespace

TEST(ClipPosterCache, APosterIsMadeOnceUprightAndAgainForAChangedClip) {
    QTemporaryDir dir;
    const QString clip = CopyClip(dir, "hevc-turned.mov");
    const CachedPoster first = ClipPoster(clip);
    ASSERT_TRUE(first.ok()) << first.refusal.toStdString();
    EXPECT_TRUE(first.path.startsWith(
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/posters/"));
    const Identified poster = IdentifyPicture(first.path);
    ASSERT_TRUE(poster.ok());
    EXPECT_EQ(poster.info->format, PictureFormat::Jpeg);
    EXPECT_EQ(poster.info->upright, QSize(240, 320)); // turned as players turn it
    const QDateTime made = QFileInfo(first.path).lastModified();

    // Taken from the cache, not made again.
    const CachedPoster again = ClipPoster(clip);
    EXPECT_EQ(again.path, first.path);
    EXPECT_EQ(QFileInfo(again.path).lastModified(), made);

    // Another clip under the same name has a poster of its own.
    ASSERT_TRUE(QFile::remove(clip));
    ASSERT_TRUE(QFile::copy(TestClip("vp9.webm"), clip));
    const CachedPoster replaced = ClipPoster(clip);
    ASSERT_TRUE(replaced.ok());
    EXPECT_NE(replaced.path, first.path);
    EXPECT_EQ(IdentifyPicture(replaced.path).info->upright, QSize(320, 240));
}

TEST(ClipPosterCache, DamagedClipsAndOtherFilesHaveNoPoster) {
    QTemporaryDir dir;
    QFile whole(TestClip("h264-aac.mp4"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QString cut = dir.filePath("cut.mp4");
    QFile out(cut);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(whole.readAll().chopped(int(whole.size() / 2)));
    out.close();
    EXPECT_EQ(ClipPoster(cut).refusal, "This clip is cut off or damaged.");
    EXPECT_FALSE(ClipPoster(dir.path()).ok());
    EXPECT_FALSE(ClipPoster(dir.filePath("missing.mp4")).ok());
    EXPECT_EQ(ClipCacheName(dir.path(), "poster"), "");
}

TEST(ClipPosterCache, TheOldestGoFirstAndFilesBeingWrittenStay) {
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < 5; ++i) // a0 is the oldest
        WriteFile(dir.filePath(QStringLiteral("a%1.jpg").arg(i)), 100, now.addSecs(i - 10));
    WriteFile(dir.filePath(".a9.jpg.1234.part"), 1000, now.addSecs(-100));
    TrimClipCache(dir.path(), 250);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".a9.jpg.1234.part", "a3.jpg", "a4.jpg"}));
}
