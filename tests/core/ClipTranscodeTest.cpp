#include "video/ClipTranscode.h"
#include "CoreApplication.h"
#include "core/ClipTestFiles.h"
#include "core/TestFiles.h"
#include "video/ClipIdentify.h"
#include "video/ClipPoster.h"

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {
struct Outcome {
    bool finished = false;
    QString failure;
    std::vector<double> seconds; // progress reports
    double duration = 0;
};

enum class Cancel { Never, AtFirstProgress };

// Makes `input` into `output` by its plan within the default box, waiting
// for the end; `beforeStart` runs between the check of the clip and the start.
Outcome Transcode(const QString& input, const QString& output, Cancel cancel = Cancel::Never,
                  const std::function<void()>& beforeStart = {}) {
    NeedCoreApplication();
    Outcome outcome;
    const IdentifiedClip id = IdentifyClip(input, TestClipTools());
    EXPECT_TRUE(id.ok()) << id.refusal.toStdString();
    if (!id.ok())
        return outcome;
    ClipTranscode transcode;
    QEventLoop loop;
    QObject::connect(&transcode, &ClipTranscode::progressed, [&](double s, double d) {
        outcome.seconds.push_back(s);
        outcome.duration = d;
        if (cancel == Cancel::AtFirstProgress) {
            transcode.cancel();
            loop.quit();
        }
    });
    QObject::connect(&transcode, &ClipTranscode::finished, [&](const QString& made) {
        EXPECT_EQ(made, QFileInfo(output).absoluteFilePath());
        outcome.finished = true;
        loop.quit();
    });
    QObject::connect(&transcode, &ClipTranscode::failed, [&](const QString& why) {
        outcome.failure = why;
        loop.quit();
    });
    QTimer::singleShot(120000, &loop, [&] {
        ADD_FAILURE() << "the transcode did not end";
        loop.quit();
    });
    const ClipInfo& info = *id.info;
    const ClipJob job{TestClipTools(), input, info, PlanClip(info), output};
    if (beforeStart)
        beforeStart();
    if (transcode.start(job)) {
        EXPECT_FALSE(transcode.start(job)); // one at a time
        loop.exec();
    }
    EXPECT_FALSE(transcode.running());
    return outcome;
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

bool HasRotation(const QJsonObject& stream) {
    for (const auto& side : stream.value("side_data_list").toArray())
        if (side.toObject().value("side_data_type").toString() == "Display Matrix" &&
            side.toObject().value("rotation").toInt() != 0)
            return true;
    return stream.value("tags").toObject().contains("rotate");
}

// The test clips that are turned are stored with their left half black and
// turned a quarter counter-clockwise: upright, the top is white.
void ExpectUpright(const QString& file) {
    const auto [top, bottom] = TopAndBottomBrightness(file, 240, 320);
    EXPECT_GT(top, 200);
    EXPECT_LT(bottom, 50);
}

struct TranscodeCase {
    const char* file;
    ClipStep step;
    QSize size;           // of the result's frames
    bool rotation;        // a display matrix left in the result
    const char* audio;    // the result's sound codec, or none
    bool upright = false; // frames turned upright by the encode
};

class TranscodedClips : public ::testing::TestWithParam<TranscodeCase> {};

TEST_P(TranscodedClips, AreH264InMp4WithTheIndexFirst) {
    const TranscodeCase& c = GetParam();
    const QString input = TestClip(c.file);
    ASSERT_EQ(PlanClip(*IdentifyClip(input, TestClipTools()).info).step, c.step);
    QTemporaryDir out;
    const QString made = out.filePath("vid1.mp4");
    const Outcome outcome = Transcode(input, made);
    ASSERT_TRUE(outcome.finished) << outcome.failure.toStdString();
    EXPECT_EQ(FilesIn(out.path()), QStringList{"vid1.mp4"});
    // Readable as any new file of its folder is (a web server reads it).
    WriteFile(out.filePath("plain"), "x");
    EXPECT_EQ(QFileInfo(made).permissions(), QFileInfo(out.filePath("plain")).permissions());

    const QJsonObject probe = Probe(made);
    const QJsonObject video = StreamOf(probe, "video"), audio = StreamOf(probe, "audio");
    EXPECT_EQ(video.value("codec_name").toString(), "h264");
    EXPECT_EQ(video.value("pix_fmt").toString(), "yuv420p");
    EXPECT_EQ(QSize(video.value("width").toInt(), video.value("height").toInt()), c.size);
    EXPECT_EQ(HasRotation(video), c.rotation);
    EXPECT_EQ(audio.value("codec_name").toString(), c.audio);
    EXPECT_NEAR(probe.value("format").toObject().value("duration").toString().toDouble(), 2.0, 0.1);
    // Browsers start playing before the whole file is there.
    const QStringList boxes = TopLevelBoxes(made);
    ASSERT_TRUE(boxes.contains("moov") && boxes.contains("mdat")) << boxes.join(' ').toStdString();
    EXPECT_LT(boxes.indexOf("moov"), boxes.indexOf("mdat")) << boxes.join(' ').toStdString();

    // Progress counts up to the clip's length.
    ASSERT_FALSE(outcome.seconds.empty());
    EXPECT_NEAR(outcome.duration, 2.0, 0.1);
    EXPECT_TRUE(std::is_sorted(outcome.seconds.begin(), outcome.seconds.end()));
    EXPECT_LE(outcome.seconds.back(), outcome.duration);
    EXPECT_GT(outcome.seconds.back(), 1.5);
    if (c.upright)
        ExpectUpright(made);
}

INSTANTIATE_TEST_SUITE_P(
    Clips, TranscodedClips,
    ::testing::Values(TranscodeCase{"h264-aac.mp4", ClipStep::Remux, {320, 240}, false, "aac"},
                      // Copied as stored: browsers turn it by its matrix.
                      TranscodeCase{"h264-turned.mov", ClipStep::Remux, {320, 240}, true, ""},
                      TranscodeCase{
                          "hevc-turned.mov", ClipStep::Encode, {240, 320}, false, "aac", true},
                      TranscodeCase{"vp9.webm", ClipStep::Encode, {320, 240}, false, ""}),
    [](const auto& info) { return TestNameOf(info.param.file); });

TEST(TranscodedClip, IsStandardRangeFromAnHdrClip) {
    const QString input = TestClip("hlg.mp4");
    const IdentifiedClip id = IdentifyClip(input, TestClipTools());
    ASSERT_TRUE(id.ok()) << id.refusal.toStdString();
    EXPECT_EQ(id.info->transfer, "arib-std-b67");
    EXPECT_EQ(id.info->bitDepth, 10);
    QTemporaryDir out;
    const QString made = out.filePath("vid1.mp4");
    ASSERT_TRUE(Transcode(input, made).finished);
    const QJsonObject video = StreamOf(Probe(made), "video");
    EXPECT_EQ(video.value("pix_fmt").toString(), "yuv420p");
    EXPECT_EQ(video.value("color_transfer").toString(), "bt709");
    EXPECT_EQ(video.value("color_primaries").toString(), "bt709");
    QString why;
    EXPECT_TRUE(MakeClipPoster(TestClipTools(), *id.info, PlanClip(*id.info), input,
                               out.filePath("pic1.jpg"), &why))
        << why.toStdString();
}

TEST(TranscodedClip, CancelledLeavesNothingBehind) {
    const QString input = TestClip("long.mp4");
    QTemporaryDir out;
    const Outcome outcome = Transcode(input, out.filePath("vid1.mp4"), Cancel::AtFirstProgress);
    EXPECT_FALSE(outcome.finished);
    EXPECT_TRUE(outcome.failure.isEmpty());
    ASSERT_EQ(outcome.seconds.size(), 1u);
    EXPECT_LT(outcome.seconds.front(), 25);
    EXPECT_EQ(FilesIn(out.path()), QStringList{});
}

TEST(TranscodedClip, EndedWithItsOwnerLeavesNothingBehind) {
    NeedCoreApplication();
    const QString input = TestClip("long.mp4");
    const ClipInfo info = *IdentifyClip(input, TestClipTools()).info;
    QTemporaryDir out;
    {
        ClipTranscode transcode;
        ASSERT_TRUE(transcode.start(
            {TestClipTools(), input, info, PlanClip(info), out.filePath("vid1.mp4")}));
        ASSERT_EQ(FilesIn(out.path()).size(), 1); // ffmpeg's temporary file
    }
    EXPECT_EQ(FilesIn(out.path()), QStringList{});
}

TEST(TranscodedClip, FailsWithFfmpegsMessageAndLeavesNothing) {
    QTemporaryDir out;
    const QString input = out.filePath("gone.mp4");
    ASSERT_TRUE(QFile::copy(TestClip("h264-aac.mp4"), input));
    // Gone between the check and the transcode.
    const Outcome outcome =
        Transcode(input, out.filePath("vid1.mp4"), Cancel::Never, [&] { QFile::remove(input); });
    EXPECT_FALSE(outcome.finished);
    EXPECT_TRUE(outcome.failure.startsWith("ffmpeg could not make the clip: "))
        << outcome.failure.toStdString();
    EXPECT_TRUE(outcome.failure.contains("No such file or directory"))
        << outcome.failure.toStdString();
    EXPECT_EQ(FilesIn(out.path()), QStringList{});
}

struct PosterCase {
    const char* file;
    QSize size;
    bool upright = false; // a turned frame shown upright
};

class ClipPosters : public ::testing::TestWithParam<PosterCase> {};

TEST_P(ClipPosters, AreUprightJpegsOfThePlansSize) {
    const PosterCase& c = GetParam();
    const QString input = TestClip(c.file);
    const IdentifiedClip id = IdentifyClip(input, TestClipTools());
    ASSERT_TRUE(id.ok()) << id.refusal.toStdString();
    QTemporaryDir out;
    const QString poster = out.filePath("pic1.jpg");
    QString why;
    ASSERT_TRUE(MakeClipPoster(TestClipTools(), *id.info, PlanClip(*id.info), input, poster, &why))
        << why.toStdString();
    EXPECT_EQ(FilesIn(out.path()), QStringList{"pic1.jpg"});
    EXPECT_TRUE(ReadFile(poster).startsWith("\xFF\xD8\xFF"));
    WriteFile(out.filePath("plain"), "x");
    EXPECT_EQ(QFileInfo(poster).permissions(), QFileInfo(out.filePath("plain")).permissions());
    const QJsonObject video = StreamOf(Probe(poster), "video");
    EXPECT_EQ(QSize(video.value("width").toInt(), video.value("height").toInt()), c.size);
    if (c.upright)
        ExpectUpright(poster);
}

INSTANTIATE_TEST_SUITE_P(Clips, ClipPosters,
                         ::testing::Values(PosterCase{"h264-aac.mp4", {320, 240}},
                                           PosterCase{"hevc-turned.mov", {240, 320}, true},
                                           PosterCase{"h264-turned.mov", {240, 320}},
                                           PosterCase{"short.mp4", {320, 240}}),
                         [](const auto& info) { return TestNameOf(info.param.file); });

} // namespace
