#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// The picture formats the program reads, told apart by their content alone
// (a file's name never decides).
enum class PictureFormat { Jpeg, Png, Gif, Bmp, WebP, Tiff, Heif, Avif };

// Bytes of a file's beginning that FormatOfContent needs at most.
inline constexpr int kFormatHeadBytes = 32;

// The format the first bytes of a file announce (JPEG SOI, PNG signature,
// GIF87a/89a, "BM", RIFF WEBP, II*\0 or MM\0*, an ISO box "ftyp" with a HEIF
// or AVIF brand), or none.
std::optional<PictureFormat> FormatOfContent(QByteArrayView head);

// The lower-case extension of the format's files, with its dot: ".jpg",
// ".png", ".gif", ".bmp", ".webp", ".tif", ".heic", ".avif".
QString FormatExtension(PictureFormat format);

// A short name for messages: "JPEG", "PNG", ..., "HEIF", "AVIF".
QString FormatName(PictureFormat format);

// Whether every browser shows the format, so a show takes such a picture as
// it is (JPEG, PNG, GIF, BMP); the others go into a show as JPEG.
bool BrowsersShow(PictureFormat format);

// The largest picture the program takes, read from the header before any
// pixel is decoded. Formats read in strips are bounded by the program's own
// limit; HEIF and AVIF, which libheif decodes whole, and GIF, whose frames
// are decoded whole, by what their whole decode may take.
struct PictureLimits {
    qint64 maxPixels;
    int maxSide;
};
PictureLimits LimitsOf(PictureFormat format);
