#include "video/ClipPlan.h"
#include "core/PrintQt.h"
#include "video/ClipArguments.h"
#include "video/ClipIdentify.h"
#include "video/ClipTranscode.h"

#include <gtest/gtest.h>

namespace {
ClipInfo Clip(const QString& codec, const QString& pixels, QSize displayed,
              std::optional<QString> audio, ClipContainer container = ClipContainer::Mp4) {
    ClipInfo c;
    c.container = container;
    c.videoCodec = codec;
    c.pixelFormat = pixels;
    c.bitDepth = pixels.contains(u"10") ? 10 : 8;
    c.stored = c.displayed = displayed;
    c.duration = 2;
    c.audioCodec = audio;
    return c;
}

ClipInfo Hlg(ClipInfo c) {
    c.transfer = QStringLiteral("arib-std-b67");
    return c;
}

ClipInfo Turned(ClipInfo c, int rotation) {
    c.rotation = rotation;
    c.displayed = c.stored.transposed();
    return c;
}

const QString kAac = QStringLiteral("aac");

ClipInfo H264(QSize displayed, std::optional<QString> audio = kAac,
              ClipContainer container = ClipContainer::Mp4) {
    return Clip("h264", "yuv420p", displayed, audio, container);
}

constexpr ClipStep kRemux = ClipStep::Remux, kEncode = ClipStep::Encode;

struct PlanCase {
    const char* name;
    ClipInfo clip;
    ClipStep step;
    QSize size;
    QSize box = {1920, 1080};
};

const PlanCase kPlans[] = {
    {"H264Aac", H264({1920, 1080}), kRemux, {1920, 1080}},
    {"H264SilentMov", H264({640, 480}, std::nullopt, ClipContainer::Mov), kRemux, {640, 480}},
    {"H264OddSidesKept", H264({321, 241}), kRemux, {321, 241}},
    {"H264InWebM", H264({640, 480}, std::nullopt, ClipContainer::WebM), kEncode, {640, 480}},
    {"H264TenBit", Clip("h264", "yuv420p10le", {640, 480}, kAac), kEncode, {640, 480}},
    {"H264FullChroma", Clip("h264", "yuv444p", {640, 480}, kAac), kEncode, {640, 480}},
    {"H264Opus", H264({640, 480}, QStringLiteral("opus")), kEncode, {640, 480}},
    {"Hevc", Clip("hevc", "yuv420p", {640, 480}, kAac), kEncode, {640, 480}},
    {"H264FourK", H264({3840, 2160}), kEncode, {1920, 1080}},
    {"H264SmallerFitBox", H264({1920, 1080}), kEncode, {1280, 720}, {1280, 720}},
    // Upright it is taller than the box: made again, fitted by its height.
    {"H264TurnedPortrait", Turned(H264({1920, 1080}), 90), kEncode, {606, 1080}},
    {"H264TurnedWithinBox", Turned(H264({640, 480}), 270), kRemux, {480, 640}},
    // Phones' HDR is made standard range, whatever its codec.
    {"H264Hlg", Hlg(H264({640, 480})), kEncode, {640, 480}},
    // Never enlarged; odd sides made even for 4:2:0.
    {"Vp9OddSmall",
     Clip("vp9", "yuv420p", {321, 241}, {}, ClipContainer::WebM),
     kEncode,
     {320, 240}},
};

class ClipPlanTable : public ::testing::TestWithParam<PlanCase> {};

TEST_P(ClipPlanTable, RemuxesOnlyWhatTheWebPlaysAndFitsTheRestUprightWithinTheBox) {
    const PlanCase& c = GetParam();
    const ClipPlan plan = PlanClip(c.clip, c.box);
    EXPECT_EQ(plan.step, c.step);
    EXPECT_EQ(plan.size, c.size);
    EXPECT_EQ(plan.audio, c.clip.audioCodec.has_value());
}

INSTANTIATE_TEST_SUITE_P(Clips, ClipPlanTable, ::testing::ValuesIn(kPlans),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClipPlan, KeepsTheRotationOnlyWhenItRemuxes) {
    const ClipInfo turned = Turned(H264({640, 480}), 90);
    EXPECT_EQ(PlanClip(turned).rotation, 90);
    ClipInfo hevc = turned;
    hevc.videoCodec = QStringLiteral("hevc");
    EXPECT_EQ(PlanClip(hevc).rotation, 0);
}

bool HasPair(const QStringList& args, const QString& option, const QString& value) {
    for (qsizetype i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option && args[i + 1] == value)
            return true;
    return false;
}

TEST(ClipArguments, ARemuxCopiesTheStreamsWithTheIndexFirst) {
    const ClipInfo clip = H264({640, 480}, kAac, ClipContainer::Mov);
    const QStringList args = TranscodeArguments(clip, PlanClip(clip), "/in/a.mov", "/out/vid1.mp4");
    EXPECT_TRUE(HasPair(args, "-c", "copy"));
    EXPECT_TRUE(HasPair(args, "-movflags", "+faststart"));
    EXPECT_TRUE(HasPair(args, "-map", "0:a:0"));
    EXPECT_TRUE(HasPair(args, "-map_metadata", "-1"));
    EXPECT_TRUE(HasPair(args, "-progress", "pipe:1"));
    EXPECT_FALSE(args.contains("-vf"));
    EXPECT_FALSE(args.contains("libx264"));
    EXPECT_EQ(args.last(), "file:/out/vid1.mp4");
}

TEST(ClipArguments, AnEncodeFitsAndMakesH264WithAacOrNoSound) {
    const ClipInfo withSound = Clip("hevc", "yuv420p10le", {3840, 2160}, QStringLiteral("opus"));
    const QStringList args =
        TranscodeArguments(withSound, PlanClip(withSound), "/in/a.mp4", "/out/b.mp4");
    EXPECT_TRUE(HasPair(args, "-c:v", "libx264"));
    EXPECT_TRUE(HasPair(args, "-pix_fmt", "yuv420p"));
    EXPECT_TRUE(HasPair(args, "-c:a", "aac"));
    EXPECT_TRUE(HasPair(args, "-vf", "scale=1920:1080:flags=bicubic,setsar=1,format=yuv420p"));
    EXPECT_TRUE(HasPair(args, "-movflags", "+faststart"));
    EXPECT_FALSE(args.contains("-an"));

    const ClipInfo silent = Clip("vp9", "yuv420p", {320, 240}, std::nullopt, ClipContainer::WebM);
    const QStringList quiet =
        TranscodeArguments(silent, PlanClip(silent), "/in/a.webm", "/out/b.mp4");
    EXPECT_TRUE(quiet.contains("-an"));
    EXPECT_FALSE(HasPair(quiet, "-map", "0:a:0"));
    EXPECT_FALSE(quiet.contains("-c:a"));
    EXPECT_TRUE(HasPair(quiet, "-f", "matroska"));
}

TEST(ClipArguments, AnHdrClipIsToneMappedAndTaggedStandardRange) {
    const ClipInfo hdr = Hlg(Clip("hevc", "yuv420p10le", {640, 480}, kAac));
    const ClipPlan plan = PlanClip(hdr);
    EXPECT_TRUE(plan.toneMap);
    for (const QStringList& args : {TranscodeArguments(hdr, plan, "/in/a.mov", "/out/b.mp4"),
                                    PosterArguments(hdr, plan, "/in/a.mov", "/out/b.jpg")}) {
        const QString filters = args.value(args.indexOf("-vf") + 1);
        EXPECT_TRUE(filters.startsWith("zscale=tin=arib-std-b67:")) << filters.toStdString();
        EXPECT_TRUE(filters.contains("tonemap=")) << filters.toStdString();
        EXPECT_TRUE(filters.endsWith("scale=640:480:flags=bicubic,setsar=1,format=yuv420p"));
    }
    EXPECT_TRUE(
        HasPair(TranscodeArguments(hdr, plan, "/in/a.mov", "/out/b.mp4"), "-color_trc", "bt709"));
    const ClipInfo sdr = Clip("hevc", "yuv420p10le", {640, 480}, kAac);
    EXPECT_FALSE(PlanClip(sdr).toneMap);
    EXPECT_FALSE(TranscodeArguments(sdr, PlanClip(sdr), "/in/a.mov", "/out/b.mp4")
                     .join(' ')
                     .contains("zscale"));
}

TEST(ClipArguments, TheInputIsALocalFileOfItsOwnContainerWhateverItsName) {
    for (const QString& name :
         {QStringLiteral("/clips/-y.mp4"), QStringLiteral("/clips/http:x.mp4"),
          QStringLiteral("/clips/concat:a.mp4|b.mp4")}) {
        const QStringList args = ClipInputArguments(name, ClipContainer::Mp4);
        EXPECT_EQ(args,
                  (QStringList{"-protocol_whitelist", "file", "-f", "mov", "-i", "file:" + name}));
    }
}

TEST(ClipArguments, ThePosterIsAtHalfASecondOrTheFirstFrame) {
    ClipInfo clip = Clip("hevc", "yuv420p", {320, 240}, kAac);
    const QStringList args = PosterArguments(clip, PlanClip(clip), "/in/a.mp4", "/out/pic1.jpg");
    EXPECT_TRUE(HasPair(args, "-ss", "0.500"));
    EXPECT_TRUE(HasPair(args, "-frames:v", "1"));
    EXPECT_TRUE(HasPair(args, "-c:v", "mjpeg"));
    clip.duration = 0.4;
    EXPECT_TRUE(HasPair(PosterArguments(clip, PlanClip(clip), "/in/a.mp4", "/out/pic1.jpg"), "-ss",
                        "0.000"));
}

TEST(ClipProgress, ReadsTheSecondsEncoded) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"out_time_us=1500000", 1.5},
        {"out_time_ms=2000000", 2.0},
        {"out_time_us=N/A", std::nullopt},
        {"out_time_us=-23220", 0.0},
        {"out_time=00:00:01.500000", std::nullopt},
        {"frame=12", std::nullopt},
        {"progress=end", std::nullopt}};
    for (const auto& [line, seconds] : cases)
        EXPECT_EQ(ProgressSeconds(line), seconds) << line;
}

QByteArray Ftyp(QByteArray major, QByteArrayList compatible) {
    QByteArray box = "ftyp" + major + QByteArray(4, '\0') + compatible.join();
    const quint32 size = quint32(box.size() + 4);
    QByteArray head(4, '\0');
    for (int i = 0; i < 4; ++i)
        head[i] = char(size >> (24 - 8 * i));
    return head + box + QByteArray("\0\0\0\x08free", 8);
}

TEST(ClipContainer, IsKnownByTheFirstBytes) {
    const std::pair<QByteArray, std::optional<ClipContainer>> cases[] = {
        {Ftyp("isom", {"isom", "iso2", "avc1", "mp41"}), ClipContainer::Mp4},
        {Ftyp("mp42", {"mp42", "isom"}), ClipContainer::Mp4},
        {Ftyp("M4V ", {"M4V ", "M4A ", "mp42"}), ClipContainer::Mp4},
        {Ftyp("qt  ", {"qt  "}), ClipContainer::Mov},
        {Ftyp("abcd", {"abcd", "mp41"}), ClipContainer::Mp4},
        {Ftyp("heic", {"mif1", "heic"}), std::nullopt},
        {Ftyp("avif", {"avif", "mif1", "miaf"}), std::nullopt},
        {Ftyp("mif1", {"mif1", "isom"}), std::nullopt},
        {Ftyp("M4A ", {"M4A ", "mp42", "isom"}), std::nullopt},
        {Ftyp("abcd", {"abcd"}), std::nullopt},
        {QByteArray("\x1A\x45\xDF\xA3\x9F\x42\x86\x81\x01", 9), ClipContainer::WebM},
        {QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), std::nullopt},
        {QByteArray("\0\0\0\x18"
                    "ftyp",
                    8),
         std::nullopt},
        {QByteArray("just some text, named .mp4"), std::nullopt},
    };
    for (const auto& [head, container] : cases)
        EXPECT_EQ(ClipContainerOfHeader(head), container) << head.toHex().toStdString();
}

TEST(ClipProbe, ShowsNarrowOrWidePixelsSquare) {
    const auto probe = [](const char* ratio, int rotation) {
        return QByteArray(
                   R"({"streams":[{"codec_type":"video","codec_name":"h264","pix_fmt":"yuv420p",
            "width":1440,"height":1080,"duration":"2.0","sample_aspect_ratio":")") +
               ratio + R"(","tags":{"rotate":")" + QByteArray::number(rotation) + R"("}}]})";
    };
    const std::tuple<const char*, int, QSize> cases[] = {{"4:3", 0, {1920, 1080}},
                                                         {"4:3", 90, {1080, 1920}},
                                                         {"3:4", 0, {1080, 1080}},
                                                         {"1:1", 0, {1440, 1080}}};
    for (const auto& [ratio, rotation, displayed] : cases) {
        QString why;
        const auto info = ClipInfoOfProbe(probe(ratio, rotation), ClipContainer::Mp4, &why);
        ASSERT_TRUE(info) << why.toStdString();
        EXPECT_EQ(info->stored, QSize(1440, 1080));
        EXPECT_EQ(info->displayed, displayed) << ratio << " " << rotation;
    }
}

TEST(ClipProbe, TurnsByTheDisplayMatrixOrTheOlderTagAndSkipsCoverArt) {
    const auto probe = [](const char* videoExtra) {
        return QByteArray(R"({"streams":[
            {"codec_type":"video","codec_name":"mjpeg","pix_fmt":"yuvj420p","width":600,"height":600,
             "duration":"0.04","disposition":{"attached_pic":1}},
            {"codec_type":"audio","codec_name":"aac"},
            {"codec_type":"video","codec_name":"hevc","pix_fmt":"yuv420p10le","width":1920,"height":1080,
             "nb_frames":"50","duration":"2.000000")") +
               videoExtra + "}], \"format\":{\"duration\":\"2.0\"}}";
    };
    const std::pair<const char*, int> cases[] = {
        {"", 0},
        {R"(,"side_data_list":[{"side_data_type":"Display Matrix","rotation":-90}])", 90},
        {R"(,"side_data_list":[{"side_data_type":"Display Matrix","rotation":90}])", 270},
        {R"(,"side_data_list":[{"side_data_type":"Display Matrix","rotation":-180}])", 180},
        {R"(,"tags":{"rotate":"90"})", 90},
        {R"(,"tags":{"rotate":"-90"})", 270},
        {R"(,"sample_aspect_ratio":"1:1")", 0},
        {R"(,"sample_aspect_ratio":"0:1")", 0},
    };
    for (const auto& [extra, rotation] : cases) {
        QString why;
        const auto info = ClipInfoOfProbe(probe(extra), ClipContainer::Mov, &why);
        ASSERT_TRUE(info) << why.toStdString();
        EXPECT_EQ(info->videoCodec, "hevc");
        EXPECT_EQ(info->bitDepth, 10);
        EXPECT_EQ(info->frames, 50);
        EXPECT_EQ(info->audioCodec, "aac");
        EXPECT_EQ(info->rotation, rotation) << extra;
        EXPECT_EQ(info->stored, QSize(1920, 1080));
        EXPECT_EQ(info->displayed, rotation % 180 ? QSize(1080, 1920) : QSize(1920, 1080)) << extra;
    }
}
} // namespace
