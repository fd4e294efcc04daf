#pragma once

#include "video/ClipTools.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

// Clips made by ffmpeg from its own test sources, and looks into results.

inline ClipTools TestClipTools() {
    auto tools = FindClipTools();
    EXPECT_TRUE(tools) << "the clip tests need ffmpeg and ffprobe";
    return tools.value_or(ClipTools{});
}

// Runs ffmpeg with `arguments` (quiet, overwriting); true on success.
inline bool RunFfmpeg(const QStringList& arguments) {
    const ToolRun run =
        RunTool(TestClipTools().ffmpeg,
                QStringList{"-hide_banner", "-nostdin", "-v", "error", "-y"} + arguments, 120000);
    EXPECT_TRUE(run.ok()) << arguments.join(' ').toStdString() << ": " << run.err.toStdString();
    return run.ok();
}

// A clip of `seconds` of testsrc at `size` ("320x240"), with a tone when
// `audioArguments` are given, encoded by `videoArguments` into `path`.
inline bool MakeTestClip(const QString& path, const QStringList& videoArguments,
                         const QStringList& audioArguments = {}, double seconds = 2,
                         const QString& size = QStringLiteral("320x240"),
                         const QString& source = QStringLiteral("testsrc=")) {
    QStringList args{
        "-f", "lavfi", "-i",
        QStringLiteral("%1size=%2:rate=25:duration=%3").arg(source, size).arg(seconds)};
    if (!audioArguments.isEmpty())
        args +=
            {"-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:duration=%1").arg(seconds)};
    args += {"-map", "0:v"};
    if (!audioArguments.isEmpty())
        args += {"-map", "1:a"};
    return RunFfmpeg(args + videoArguments + audioArguments + QStringList{path});
}

// ffprobe's streams and format of `path`.
inline QJsonObject Probe(const QString& path) {
    const ToolRun run = RunTool(
        TestClipTools().ffprobe,
        {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path}, 60000);
    return QJsonDocument::fromJson(run.out).object();
}

// The first stream of `type` ("video", "audio") in a probe; empty when none.
inline QJsonObject StreamOf(const QJsonObject& probe, const QString& type) {
    for (const auto& s : probe.value("streams").toArray())
        if (s.toObject().value("codec_type").toString() == type)
            return s.toObject();
    return {};
}

// The types of the top-level boxes of an ISO BMFF file, in order.
inline QStringList TopLevelBoxes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QStringList types;
    qint64 at = 0;
    while (at + 8 <= bytes.size()) {
        qint64 size = 0;
        for (int i = 0; i < 4; ++i)
            size = size << 8 | quint8(bytes[at + i]);
        types << QString::fromLatin1(bytes.mid(at + 4, 4));
        if (size == 1 && at + 16 <= bytes.size()) {
            size = 0;
            for (int i = 8; i < 16; ++i)
                size = size << 8 | quint8(bytes[at + i]);
        }
        if (size < 8)
            break;
        at += size;
    }
    return types;
}

// Mean brightness (0 to 255) of the top and of the bottom half of a picture
// or of a clip's first frame.
inline std::pair<double, double> TopAndBottomBrightness(const QString& path, int width,
                                                        int height) {
    const ToolRun run = RunTool(
        TestClipTools().ffmpeg,
        {"-v", "error", "-i", path, "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "gray", "-"},
        60000);
    const qsizetype half = qsizetype(width) * height / 2;
    if (run.out.size() != 2 * half)
        return {-1, -1};
    double top = 0, bottom = 0;
    for (qsizetype i = 0; i < half; ++i) {
        top += quint8(run.out[i]);
        bottom += quint8(run.out[half + i]);
    }
    return {top / half, bottom / half};
}

// The test clips, each made once per run into a folder of its own.
// h264-aac.mp4      2 s, H.264 yuv420p with AAC, index at the end
// h264-turned.mov   2 s, H.264 yuv420p, no sound, a 90° display matrix
// hevc-turned.mov   2 s, HEVC with AAC, a 90° display matrix, the left half
//                   black and the right white as stored
// vp9.webm          2 s, VP9 without sound
// short.mp4         0.3 s, MPEG-4 Visual (mpeg4) with AAC
// hlg.mp4          2 s, 10-bit HEVC in HLG (as phones record HDR), no sound
// long.mp4          30 s at 640x480, MPEG-4 Visual (long enough to cancel)
inline QString TestClip(const QString& name) {
    static QTemporaryDir folder;
    static QSet<QString> made;
    const QString path = folder.filePath(name);
    if (made.contains(name))
        return path;
    const QString h264Stored = folder.filePath("h264-stored.mov"),
                  hevcStored = folder.filePath("hevc-stored.mov");
    const QStringList aac{"-c:a", "aac"},
        x264{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"},
        x265{"-c:v", "libx265", "-preset", "ultrafast", "-x265-params", "log-level=error"};
    bool ok = false;
    if (name == "h264-aac.mp4")
        ok = MakeTestClip(path, x264, aac);
    else if (name == "h264-turned.mov")
        ok = MakeTestClip(h264Stored, x264) &&
             RunFfmpeg({"-i", h264Stored, "-c", "copy", "-metadata:s:v:0", "rotate=90", path});
    else if (name == "hevc-turned.mov")
        ok = MakeTestClip(hevcStored,
                          QStringList{"-vf", "drawbox=x=0:y=0:w=160:h=240:color=black:t=fill"} +
                              x265 + QStringList{"-tag:v", "hvc1", "-pix_fmt", "yuv420p"},
                          aac, 2, "320x240", "color=c=white:") &&
             RunFfmpeg({"-i", hevcStored, "-c", "copy", "-metadata:s:v:0", "rotate=90", path});
    else if (name == "vp9.webm")
        ok = MakeTestClip(path, {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8",
                                 "-pix_fmt", "yuv420p"});
    else if (name == "short.mp4")
        ok = MakeTestClip(path, {"-c:v", "mpeg4"}, aac, 0.3);
    else if (name == "hlg.mp4")
        ok = MakeTestClip(path, QStringList{"-vf", "format=yuv420p10le"} + x265 +
                                    QStringList{"-color_primaries", "bt2020", "-color_trc",
                                                "arib-std-b67", "-colorspace", "bt2020nc"});
    else if (name == "long.mp4")
        ok = MakeTestClip(path, {"-c:v", "mpeg4", "-q:v", "5"}, {}, 30, "640x480");
    EXPECT_TRUE(ok) << "no test clip " << name.toStdString();
    made.insert(name);
    return path;
}

// A test's name for a clip's file name: its letters and digits.
inline std::string TestNameOf(const char* file) {
    return QString(file).remove(QRegularExpression("[^A-Za-z0-9]")).toStdString();
}
