#include "pictures/PictureFormat.h"

namespace {
bool At(QByteArrayView head, qsizetype at, QByteArrayView what) {
    return head.size() >= at + what.size() && head.sliced(at, what.size()) == what;
}

// ISO base media files (HEIF, AVIF) begin with a box "ftyp" whose major
// brand, or one of its compatible brands, names the kind.
std::optional<PictureFormat> IsoFormat(QByteArrayView head) {
    if (!At(head, 4, "ftyp"))
        return std::nullopt;
    for (qsizetype at = 8; at + 4 <= head.size(); at += 4) {
        if (at == 12)
            continue; // the minor version
        const QByteArrayView brand = head.sliced(at, 4);
        if (brand == "avif" || brand == "avis")
            return PictureFormat::Avif;
        if (brand == "heic" || brand == "heix" || brand == "heim" || brand == "heis" ||
            brand == "mif1" || brand == "msf1" || brand == "hevc" || brand == "hevx")
            return PictureFormat::Heif;
    }
    return std::nullopt;
}
} // namespace

std::optional<PictureFormat> FormatOfContent(QByteArrayView head) {
    if (At(head, 0, "\xFF\xD8\xFF"))
        return PictureFormat::Jpeg;
    if (At(head, 0, "\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    if (At(head, 0, "GIF87a") || At(head, 0, "GIF89a"))
        return PictureFormat::Gif;
    if (At(head, 0, "BM"))
        return PictureFormat::Bmp;
    if (At(head, 0, "RIFF") && At(head, 8, "WEBP"))
        return PictureFormat::WebP;
    if (At(head, 0, QByteArrayView("II*\0", 4)) || At(head, 0, QByteArrayView("MM\0*", 4)))
        return PictureFormat::Tiff;
    return IsoFormat(head.first(std::min<qsizetype>(head.size(), kFormatHeadBytes)));
}

QString FormatExtension(PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg:
        return QStringLiteral(".jpg");
    case PictureFormat::Png:
        return QStringLiteral(".png");
    case PictureFormat::Gif:
        return QStringLiteral(".gif");
    case PictureFormat::Bmp:
        return QStringLiteral(".bmp");
    case PictureFormat::WebP:
        return QStringLiteral(".webp");
    case PictureFormat::Tiff:
        return QStringLiteral(".tif");
    case PictureFormat::Heif:
        return QStringLiteral(".heic");
    case PictureFormat::Avif:
        return QStringLiteral(".avif");
    }
    return {};
}

QString FormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg:
        return QStringLiteral("JPEG");
    case PictureFormat::Png:
        return QStringLiteral("PNG");
    case PictureFormat::Gif:
        return QStringLiteral("GIF");
    case PictureFormat::Bmp:
        return QStringLiteral("BMP");
    case PictureFormat::WebP:
        return QStringLiteral("WebP");
    case PictureFormat::Tiff:
        return QStringLiteral("TIFF");
    case PictureFormat::Heif:
        return QStringLiteral("HEIF");
    case PictureFormat::Avif:
        return QStringLiteral("AVIF");
    }
    return {};
}

bool BrowsersShow(PictureFormat format) {
    return format == PictureFormat::Jpeg || format == PictureFormat::Png ||
           format == PictureFormat::Gif || format == PictureFormat::Bmp;
}

PictureLimits LimitsOf(PictureFormat format) {
    switch (format) {
    case PictureFormat::Heif:
    case PictureFormat::Avif:
    case PictureFormat::Gif:
        return {130'000'000, 40'000};
    default:
        return {250'000'000, 40'000};
    }
}
