#include "video/ClipIdentify.h"
#include "core/ClipTestFiles.h"
#include "core/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct GoodClip {
    const char* file;
    ClipContainer container;
    const char* codec;
    QSize stored;
    int rotation;
    std::optional<QString> audio;
};

class IdentifiedClips : public ::testing::TestWithParam<GoodClip> {};

TEST_P(IdentifiedClips, SayWhatTheyHold) {
    const GoodClip& c = GetParam();
    const IdentifiedClip id = IdentifyClip(TestClip(c.file), TestClipTools());
    ASSERT_TRUE(id.ok()) << id.refusal.toStdString();
    const ClipInfo& info = *id.info;
    EXPECT_EQ(info.container, c.container);
    EXPECT_EQ(info.videoCodec, c.codec);
    EXPECT_EQ(info.pixelFormat, "yuv420p");
    EXPECT_EQ(info.bitDepth, 8);
    EXPECT_EQ(info.stored, c.stored);
    EXPECT_EQ(info.rotation, c.rotation);
    EXPECT_EQ(info.displayed, c.rotation % 180 ? c.stored.transposed() : c.stored);
    EXPECT_NEAR(info.duration, 2.0, 0.1);
    EXPECT_EQ(info.audioCodec, c.audio);
    EXPECT_GT(info.fileBytes, 0);
    if (c.container != ClipContainer::WebM) // Matroska does not count its frames
        EXPECT_EQ(info.frames, 50);
}

// The muxer writes a `rotate` tag of 90 as a matrix that turns the frames a
// quarter counter-clockwise, which players show as 270° clockwise.
INSTANTIATE_TEST_SUITE_P(
    Clips, IdentifiedClips,
    ::testing::Values(
        GoodClip{"h264-aac.mp4", ClipContainer::Mp4, "h264", {320, 240}, 0, "aac"},
        GoodClip{"h264-turned.mov", ClipContainer::Mov, "h264", {320, 240}, 270, std::nullopt},
        GoodClip{"hevc-turned.mov", ClipContainer::Mov, "hevc", {320, 240}, 270, "aac"},
        GoodClip{"vp9.webm", ClipContainer::WebM, "vp9", {320, 240}, 0, std::nullopt}),
    [](const auto& info) { return TestNameOf(info.param.file); });

// The first half of `from`.
QByteArray FirstHalf(const QString& from) {
    const QByteArray bytes = ReadFile(from);
    return bytes.left(bytes.size() / 2);
}

TEST(RefusedClips, SayWhyInOneSentence) {
    QTemporaryDir dir;
    const QString faststart = dir.filePath("faststart.mp4"), zero = dir.filePath("zero.mp4"),
                  sound = dir.filePath("sound.mp4");
    ASSERT_TRUE(RunFfmpeg(
        {"-i", TestClip("h264-aac.mp4"), "-c", "copy", "-movflags", "+faststart", faststart}));
    // A video track without a single frame (a fragmented file keeps the track).
    ASSERT_TRUE(RunFfmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=1,trim=end_frame=0", "-c:v",
         "libx264", "-pix_fmt", "yuv420p", "-movflags", "frag_keyframe+empty_moov", zero}));
    ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "sine=duration=1", "-c:a", "aac", sound}));
    WriteFile(dir.filePath("cut-index-last.mp4"), FirstHalf(TestClip("h264-aac.mp4")));
    WriteFile(dir.filePath("cut-index-first.mp4"), FirstHalf(faststart));
    WriteFile(dir.filePath("cut.webm"), FirstHalf(TestClip("vp9.webm")));
    WriteFile(dir.filePath("text.mp4"), "This is a letter, not a clip.\n");
    WriteFile(dir.filePath("picture.mp4"), QByteArray("\0\0\0\x18"
                                                      "ftypheic\0\0\0\0mif1heic",
                                                      24) +
                                               QByteArray(1000, '\0'));
    WriteFile(dir.filePath("empty.mov"), {});
    QDir(dir.path()).mkdir("folder.mp4");

    const QString notClip = "This file is not a video clip.",
                  cutOff = "This clip is cut off or damaged.";
    const std::pair<QString, QString> cases[] = {
        {zero, "This clip has no frames."},
        {sound, "This clip has no video stream."},
        {dir.filePath("cut-index-last.mp4"), cutOff},
        {dir.filePath("cut-index-first.mp4"), cutOff},
        {dir.filePath("cut.webm"), cutOff},
        {dir.filePath("text.mp4"), notClip},
        {dir.filePath("picture.mp4"), notClip},
        {dir.filePath("empty.mov"), notClip},
        {dir.filePath("missing.mp4"), "No such file or directory"},
        {dir.filePath("folder.mp4"), "Is a directory"},
    };
    for (const auto& [path, refusal] : cases) {
        const IdentifiedClip id = IdentifyClip(path, TestClipTools());
        EXPECT_FALSE(id.ok()) << path.toStdString();
        EXPECT_EQ(id.refusal, refusal) << path.toStdString();
    }
}

TEST(RefusedClips, NameTheDebianPackageWhenFfmpegIsMissing) {
    const QString clip = TestClip("h264-aac.mp4");
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    const IdentifiedClip id = IdentifyClip(clip);
    QString why;
    const bool found = FindClipTools(&why).has_value();
    qputenv("PATH", path);
    EXPECT_FALSE(found);
    EXPECT_FALSE(id.ok());
    EXPECT_EQ(
        id.refusal,
        "Video clips need ffmpeg and ffprobe (Debian package ffmpeg), which are not installed.");
    EXPECT_EQ(why, id.refusal);
}
} // namespace
