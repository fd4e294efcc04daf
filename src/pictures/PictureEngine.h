#pragma once

#include "pictures/DecodeBudget.h"
#include "pictures/PictureFormat.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// The one picture engine of the program, on libvips: what the windows show
// and what the compile writes are read, turned upright, colour-managed and
// scaled here. Every function is safe to call from any thread; libvips is
// started on first use with only the loaders of the formats in
// PictureFormat.h let in (BMP is read by the engine itself).

// What a file's header says, read without decoding a pixel.
struct PictureInfo {
    PictureFormat format = PictureFormat::Jpeg;
    QSize stored;         // as stored in the file
    QSize upright;        // as shown: an EXIF orientation of 5 to 8 swaps the sides
    int orientation = 1;  // the EXIF orientation applied when decoding (1: none)
    int frames = 1;       // frames of an animation, pages of a TIFF
    bool cmyk = false;    // decoded through its profile (or a default CMYK one) to sRGB
    bool profile = false; // the file carries an ICC profile
    qint64 fileBytes = 0; // the file's size
};

// A picture the engine reads, or the reason it does not.
struct Identified {
    std::optional<PictureInfo> info;
    QString refusal; // one sentence for messages, when `info` is empty

    bool ok() const { return info.has_value(); }
};

// Files larger than this are not taken as pictures.
inline constexpr qint64 kMaxPictureFileBytes = 2LL << 30;

// Identifies `path` by its content: a regular file (links followed) of at
// most kMaxPictureFileBytes whose first bytes announce one of the formats
// and whose header libvips (or, for BMP, the engine) reads, within the
// limits of its format (LimitsOf). HEIF and AVIF give the size libheif shows
// them at, their own rotation and mirror (irot, imir) applied, so `stored`
// equals `upright` and `orientation` is 1 for them. Refused otherwise, the
// reason naming the limit for a picture past it.
Identified IdentifyPicture(const QString& path);

// The format the content of `path` announces (a regular file of at most
// kMaxPictureFileBytes), read from its first bytes alone: what names a copy
// before it is made. None, `why` saying why, for anything else. A file it
// names may still be refused by IdentifyPicture.
std::optional<PictureFormat> PictureFormatOfFile(const QString& path, QString* why);

struct VipsImageRef;

// A decoded picture: upright, 8-bit, three channels (red, green, blue),
// transparent parts laid on white. Its pixels are in sRGB, or in the space of
// the RGB profile it keeps (see DecodeOptions). Holds its share of the
// decode budget until it goes. Movable, not copyable.
class DecodedPicture {
public:
    DecodedPicture(DecodedPicture&&) noexcept;
    DecodedPicture& operator=(DecodedPicture&&) noexcept;
    ~DecodedPicture();

    QSize size() const;
    // The file held several frames (an animation, pages): this is the first.
    bool firstFrameOnly() const { return severalFrames; }
    // Rows of width * 3 bytes, top row first.
    const unsigned char* rgb() const;
    // The RGB ICC profile the pixels are in; empty for sRGB.
    QByteArray iccProfile() const;

    // This picture reduced to fit within `box` (proportions kept, never
    // enlarged) with a Lanczos-3 filter; none when memory runs out.
    std::optional<DecodedPicture> fitted(QSize box) const;

    // Encodings for a show: JPEG at `quality` (1-100) keeping an RGB ICC
    // profile, with no EXIF (so no orientation tag); PNG; an uncompressed
    // 24-bit BMP. Empty when the encoder fails.
    QByteArray jpeg(int quality) const;
    QByteArray png() const;
    QByteArray bmp() const;

private:
    friend struct PictureDecoder;
    DecodedPicture(std::unique_ptr<VipsImageRef> image, bool severalFrames,
                   DecodeBudget::Ticket ticket);
    std::unique_ptr<VipsImageRef> image;
    bool severalFrames = false;
    DecodeBudget::Ticket ticket;
};

struct DecodeOptions {
    // The picture is fitted within this box, proportions kept, never
    // enlarged; an empty box keeps its upright size.
    QSize box;
    // true: pixels converted to sRGB (the windows). false: an RGB profile
    // (Display P3, Adobe RGB) is kept with unconverted pixels (the show's
    // copies, as browsers manage colour). CMYK always becomes sRGB.
    bool toSrgb = true;
    // true: the box is covered instead (CoverBox), for backgrounds and the
    // sorter's cells.
    bool cover = false;
};

struct Decoded {
    std::optional<DecodedPicture> picture;
    QString refusal; // when `picture` is empty

    bool ok() const { return picture.has_value(); }
};

// Decodes `path` fitted within `options.box`: identified first
// (IdentifyPicture), then decoded once at the smallest size that covers the
// box (JPEG, WebP and HEIF shrink while they load, others are read in strips
// where their format allows) and reduced with a Lanczos-3 filter, as
// vipsthumbnail does. JPEG, PNG, TIFF and WebP are turned by their EXIF
// orientation; HEIF and AVIF by their container's rotation and mirror only,
// once. Animations give their first frame. When `budget` is given, the
// decode waits for its share of it first and the picture keeps the share of
// its own pixels.
Decoded DecodePicture(const QString& path, const DecodeOptions& options,
                      DecodeBudget* budget = nullptr);

struct DecodedSizes {
    std::vector<DecodedPicture> pictures; // one for each box asked for, in order
    QString refusal;                      // when `pictures` is empty

    bool ok() const { return !pictures.empty(); }
};

// What DecodePicture(path, {box, false}, budget) gives for each of `boxes`
// (the show's copies: an RGB profile kept, CMYK made sRGB). The formats
// decoded whole whatever the size (PNG, GIF, TIFF, HEIF, AVIF) are decoded
// once, each size reduced from that decode in one step with a Lanczos-3
// filter: as close to the picture as a decode per size, in the time of one.
// JPEG and WebP, which shrink while they load, BMP, and pictures too large
// to hold whole are decoded once per size.
DecodedSizes DecodePictureSizes(const QString& path, const std::vector<QSize>& boxes,
                                DecodeBudget* budget = nullptr);

// `source` fitted within `box` keeping its proportions, never larger than
// `source`, at least one pixel a side; rounded to the nearest pixel along the
// side that does not touch the box. Empty for an empty source or box.
QSize FittedSize(QSize source, QSize box);

// The smallest size with the source's proportions that covers `box`; never
// larger than the source.
QSize CoverBox(QSize source, QSize box);
