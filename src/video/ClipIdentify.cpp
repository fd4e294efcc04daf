#include "video/ClipIdentify.h"

#include "platform/RegularFile.h"
#include "video/ClipArguments.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kProbeTimeoutMs = 20000;
constexpr int kCheckTimeoutMs = 30000;

QString NotAClipText() {
    return QStringLiteral("This file is not a video clip.");
}
QString NoVideoText() {
    return QStringLiteral("This clip has no video stream.");
}
QString NoFramesText() {
    return QStringLiteral("This clip has no frames.");
}
QString CutOffText() {
    return QStringLiteral("This clip is cut off or damaged.");
}

bool IsClipBrand(QByteArrayView brand) {
    static const QByteArrayView kBrands[] = {"isom", "iso2", "iso3", "iso4", "iso5", "iso6",
                                             "mp41", "mp42", "avc1", "M4V ", "M4VH", "M4VP",
                                             "qt  ", "MSNV", "XAVC", "3gp4", "3gp5", "3gp6"};
    for (QByteArrayView b : kBrands)
        if (brand == b)
            return true;
    return false;
}

// Brands of still pictures and of sound alone: such a file is no clip even
// when it also claims a generic brand.
bool IsOtherBrand(QByteArrayView brand) {
    static const QByteArrayView kBrands[] = {"mif1", "msf1", "heic", "heix", "hevc", "heim", "heis",
                                             "avif", "avis", "M4A ", "M4B ", "M4P ", "crx "};
    for (QByteArrayView b : kBrands)
        if (brand == b)
            return true;
    return false;
}

quint32 BigEndian32(QByteArrayView bytes, qsizetype at) {
    quint32 v = 0;
    for (qsizetype i = 0; i < 4; ++i)
        v = v << 8 | quint8(bytes[at + i]);
    return v;
}

// The rotation a player applies, clockwise, in quarter turns of degrees.
int QuarterTurn(double degrees) {
    const int turned = int(std::lround(degrees / 90.0)) * 90;
    return ((turned % 360) + 360) % 360;
}

int RotationOf(const QJsonObject& stream) {
    for (const QJsonValue& side : stream.value(QStringLiteral("side_data_list")).toArray()) {
        const QJsonObject o = side.toObject();
        // ffprobe gives the display matrix's turn counter-clockwise.
        if (o.value(QStringLiteral("side_data_type")).toString() == u"Display Matrix")
            return QuarterTurn(-o.value(QStringLiteral("rotation")).toDouble());
    }
    bool ok = false;
    const double tag = stream.value(QStringLiteral("tags"))
                           .toObject()
                           .value(QStringLiteral("rotate"))
                           .toString()
                           .toDouble(&ok);
    return ok ? QuarterTurn(tag) : 0;
}

// The stored size widened or narrowed by the pixels' shape, as players show
// it (some cameras store wide frames in narrow pixels).
QSize ShownSize(QSize stored, const QJsonObject& stream) {
    const QStringList ratio =
        stream.value(QStringLiteral("sample_aspect_ratio")).toString().split(u':');
    const double num = ratio.value(0).toDouble(), den = ratio.value(1).toDouble();
    if (ratio.size() != 2 || num <= 0 || den <= 0 || num == den || num / den > 8 || den / num > 8)
        return stored;
    return {int(std::lround(stored.width() * num / den)), stored.height()};
}

int BitDepthOf(const QJsonObject& stream, const QString& pixelFormat) {
    static const QRegularExpression kDepth(QStringLiteral("p(\\d+)(le|be)$"));
    int depth = 8;
    if (const auto m = kDepth.match(pixelFormat); m.hasMatch())
        depth = m.captured(1).toInt();
    const int raw = stream.value(QStringLiteral("bits_per_raw_sample")).toString().toInt();
    return std::max(depth, raw);
}

// A number ffprobe writes as a string; nullopt when absent or "N/A".
std::optional<double> NumberOf(const QJsonObject& o, const QString& key) {
    bool ok = false;
    const double v = o.value(key).toString().toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::optional<QByteArray> ReadHead(const QString& path, qint64* fileBytes, QString* why) {
    QFile file;
    if (!OpenRegularFile(file, path, why))
        return std::nullopt;
    *fileBytes = file.size();
    if (file.size() > kMaxClipFileBytes) {
        *why = QStringLiteral("This clip is larger than %1 GB.").arg(kMaxClipFileBytes >> 30);
        return std::nullopt;
    }
    return file.read(256);
}
} // namespace

std::optional<ClipContainer> ClipContainerOfHeader(const QByteArray& head) {
    if (head.startsWith("\x1A\x45\xDF\xA3"))
        return ClipContainer::WebM;
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return std::nullopt;
    const qsizetype boxEnd = std::min<qsizetype>(BigEndian32(head, 0), head.size());
    const QByteArrayView major = QByteArrayView(head).sliced(8, 4);
    if (boxEnd < 16 || IsOtherBrand(major))
        return std::nullopt;
    bool clip = IsClipBrand(major);
    // Compatible brands follow the major brand and its version.
    for (qsizetype at = 16; !clip && at + 4 <= boxEnd; at += 4)
        clip = IsClipBrand(QByteArrayView(head).sliced(at, 4));
    if (!clip)
        return std::nullopt;
    return major == "qt  " ? ClipContainer::Mov : ClipContainer::Mp4;
}

std::optional<ClipInfo> ClipInfoOfProbe(const QByteArray& json, ClipContainer container,
                                        QString* why) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    QJsonObject video;
    ClipInfo info;
    info.container = container;
    for (const QJsonValue& value : root.value(QStringLiteral("streams")).toArray()) {
        const QJsonObject s = value.toObject();
        const QString type = s.value(QStringLiteral("codec_type")).toString();
        // Cover art is stored as a video stream of one attached picture.
        const bool attached = s.value(QStringLiteral("disposition"))
                                  .toObject()
                                  .value(QStringLiteral("attached_pic"))
                                  .toInt() != 0;
        if (type == u"video" && !attached && video.isEmpty())
            video = s;
        else if (type == u"audio" && !info.audioCodec)
            info.audioCodec = s.value(QStringLiteral("codec_name")).toString();
    }
    if (video.isEmpty()) {
        *why = NoVideoText();
        return std::nullopt;
    }
    info.videoCodec = video.value(QStringLiteral("codec_name")).toString();
    info.pixelFormat = video.value(QStringLiteral("pix_fmt")).toString();
    info.bitDepth = BitDepthOf(video, info.pixelFormat);
    info.transfer = video.value(QStringLiteral("color_transfer")).toString();
    info.stored = QSize(video.value(QStringLiteral("width")).toInt(),
                        video.value(QStringLiteral("height")).toInt());
    info.rotation = RotationOf(video);
    info.displayed = ShownSize(info.stored, video);
    if (info.rotation % 180)
        info.displayed.transpose();
    if (const auto n = NumberOf(video, QStringLiteral("nb_frames")))
        info.frames = qint64(*n);
    info.duration = NumberOf(video, QStringLiteral("duration"))
                        .value_or(NumberOf(root.value(QStringLiteral("format")).toObject(),
                                           QStringLiteral("duration"))
                                      .value_or(0));
    if (info.duration <= 0 || (info.frames && *info.frames <= 0) || info.pixelFormat.isEmpty()) {
        *why = NoFramesText();
        return std::nullopt;
    }
    if (info.stored.isEmpty()) {
        *why = CutOffText();
        return std::nullopt;
    }
    return info;
}

IdentifiedClip IdentifyClip(const QString& path, const ClipTools& tools) {
    QString why;
    qint64 fileBytes = 0;
    const auto head = ReadHead(path, &fileBytes, &why);
    if (!head)
        return {std::nullopt, why};
    const auto container = ClipContainerOfHeader(*head);
    if (!container)
        return {std::nullopt, NotAClipText()};
    QStringList probe{
        QStringLiteral("-v"),   QStringLiteral("error"),        QStringLiteral("-print_format"),
        QStringLiteral("json"), QStringLiteral("-show_format"), QStringLiteral("-show_streams")};
    probe += ClipInputArguments(path, *container);
    const ToolRun run = RunTool(tools.ffprobe, probe, kProbeTimeoutMs);
    if (!run.started)
        return {std::nullopt, MissingClipToolsText()};
    if (!run.ok())
        return {std::nullopt, CutOffText()};
    auto info = ClipInfoOfProbe(run.out, *container, &why);
    if (!info)
        return {std::nullopt, why};
    info->fileBytes = fileBytes;
    // The container may describe frames its file no longer holds: decode the
    // first frame and the last second.
    const ToolRun check =
        RunTool(tools.ffmpeg, DecodeCheckArguments(path, *container), kCheckTimeoutMs);
    if (!check.started)
        return {std::nullopt, MissingClipToolsText()};
    if (!check.ok() || !check.err.trimmed().isEmpty())
        return {std::nullopt, CutOffText()};
    return {info, {}};
}

IdentifiedClip IdentifyClip(const QString& path) {
    QString why;
    const auto tools = FindClipTools(&why);
    return tools ? IdentifyClip(path, *tools) : IdentifiedClip{std::nullopt, why};
}
