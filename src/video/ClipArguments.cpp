#include "video/ClipArguments.h"

#include <QFileInfo>

namespace {
QString FileUrl(const QString& path) {
    return QStringLiteral("file:") + QFileInfo(path).absoluteFilePath();
}

QStringList Quiet() {
    return {QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-v"),
            QStringLiteral("error")};
}

QString Number(double v) {
    return QString::number(v, 'f', 3);
}

// Upright (ffmpeg turns the frames by their rotation before any filter), an
// HDR clip tone-mapped to standard range, at the plan's size, square pixels,
// 8-bit 4:2:0.
QString UprightFilters(const ClipInfo& clip, const ClipPlan& plan) {
    QString filters;
    if (plan.toneMap)
        filters = QStringLiteral("zscale=tin=%1:pin=2020:min=2020_ncl:t=linear:npl=100,"
                                 "format=gbrpf32le,zscale=p=709,tonemap=tonemap=hable:desat=0,"
                                 "zscale=t=709:m=709:r=tv,")
                      .arg(clip.transfer);
    return filters + QStringLiteral("scale=%1:%2:flags=bicubic,setsar=1,format=yuv420p")
                         .arg(plan.size.width())
                         .arg(plan.size.height());
}

// What a tone-mapped result says of its colours.
QStringList StandardRangeTags(const ClipPlan& plan) {
    if (!plan.toneMap)
        return {};
    return {QStringLiteral("-color_primaries"), QStringLiteral("bt709"),
            QStringLiteral("-color_trc"),       QStringLiteral("bt709"),
            QStringLiteral("-colorspace"),      QStringLiteral("bt709")};
}
} // namespace

QStringList ClipInputArguments(const QString& path, ClipContainer container) {
    return {QStringLiteral("-protocol_whitelist"),
            QStringLiteral("file"),
            QStringLiteral("-f"),
            container == ClipContainer::WebM ? QStringLiteral("matroska") : QStringLiteral("mov"),
            QStringLiteral("-i"),
            FileUrl(path)};
}

QStringList DecodeCheckArguments(const QString& path, ClipContainer container) {
    QStringList args = Quiet();
    args += ClipInputArguments(path, container);
    args += QStringList{QStringLiteral("-sseof"), QStringLiteral("-1")};
    args += ClipInputArguments(path, container);
    args += {QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-frames:v"),
             QStringLiteral("1"),    QStringLiteral("-f"),    QStringLiteral("null"),
             QStringLiteral("-"),    QStringLiteral("-map"),  QStringLiteral("1:v:0"),
             QStringLiteral("-f"),   QStringLiteral("null"),  QStringLiteral("-")};
    return args;
}

QStringList TranscodeArguments(const ClipInfo& clip, const ClipPlan& plan, const QString& input,
                               const QString& output) {
    QStringList args = Quiet();
    args += {QStringLiteral("-nostats"), QStringLiteral("-progress"), QStringLiteral("pipe:1")};
    args += ClipInputArguments(input, clip.container);
    args += {QStringLiteral("-map"), QStringLiteral("0:v:0")};
    if (plan.audio)
        args += {QStringLiteral("-map"), QStringLiteral("0:a:0")};
    // No location or other tags of the camera reach the web; the rotation is
    // no tag and stays with a copied stream.
    args += {QStringLiteral("-map_metadata"), QStringLiteral("-1"), QStringLiteral("-map_chapters"),
             QStringLiteral("-1")};
    if (plan.step == ClipStep::Remux) {
        args += {QStringLiteral("-c"), QStringLiteral("copy")};
    } else {
        args += {QStringLiteral("-vf"), UprightFilters(clip, plan)};
        args += {QStringLiteral("-c:v"),   QStringLiteral("libx264"), QStringLiteral("-preset"),
                 QStringLiteral("medium"), QStringLiteral("-crf"),    QStringLiteral("21")};
        args += {QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                 QStringLiteral("-profile:v"), QStringLiteral("high")};
        args += StandardRangeTags(plan);
        if (plan.audio)
            args += {QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-b:a"),
                     QStringLiteral("160k")};
    }
    if (!plan.audio)
        args += QStringLiteral("-an");
    args += {QStringLiteral("-sn"),
             QStringLiteral("-dn"),
             QStringLiteral("-max_muxing_queue_size"),
             QStringLiteral("1024"),
             QStringLiteral("-movflags"),
             QStringLiteral("+faststart"),
             QStringLiteral("-f"),
             QStringLiteral("mp4"),
             QStringLiteral("-y"),
             FileUrl(output)};
    return args;
}

double PosterTime(const ClipInfo& clip) {
    return clip.duration > 0.5 ? 0.5 : 0.0;
}

QStringList PosterArguments(const ClipInfo& clip, const ClipPlan& plan, const QString& input,
                            const QString& output) {
    QStringList args = Quiet();
    args += {QStringLiteral("-ss"), Number(PosterTime(clip))};
    args += ClipInputArguments(input, clip.container);
    args += {QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-frames:v"),
             QStringLiteral("1")};
    args += {QStringLiteral("-vf"), UprightFilters(clip, plan)};
    args += {QStringLiteral("-c:v"), QStringLiteral("mjpeg"), QStringLiteral("-q:v"),
             QStringLiteral("2")};
    args += {QStringLiteral("-f"), QStringLiteral("image2"), QStringLiteral("-update"),
             QStringLiteral("1"),  QStringLiteral("-y"),     FileUrl(output)};
    return args;
}
