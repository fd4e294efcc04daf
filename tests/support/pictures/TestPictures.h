#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Pictures of the newer formats for the tests and the benchmarks. PNG, WebP
// and TIFF come from QImage::save; HEIC from libheif's encoder, when the build
// has libheif (PEVRANO_TEST_HEIC is then 1).

// Whether WriteHeic can write: the build has libheif and libheif an HEVC
// encoder.
bool CanWriteHeic();

// Writes `image` as HEIC at `quality` (0 to 100). `orientation` is the EXIF
// orientation (1 to 8) the file records with its rotation and mirror boxes:
// the stored pixels are `image` turned back, so a reader that applies the
// file's rotation gets `image` again. False when it could not be written.
bool WriteHeic(const QImage& image, const QString& path, int quality = 60, int orientation = 1);

// The pixels a camera stores for a picture that shows as `upright` with EXIF
// `orientation` (1 to 8).
QImage StoredFor(const QImage& upright, int orientation);

// Writes `image` in the format of the path's extension: .heic/.heif through
// WriteHeic, the rest through QImage::save. False when it could not be written.
bool SavePicture(const QImage& image, const QString& path);

// Writes an animated WebP of the frames (all of one size), 100 ms each.
bool WriteAnimatedWebp(const QList<QImage>& frames, const QString& path);

// A picture file of the format of the path's extension that is damaged: a
// real picture of that format cut off after its first part, as an
// interrupted copy leaves it.
bool WriteDamagedPicture(const QString& path);

// Writes `image` through libvips' savers, the format from the path's
// extension, with saver options as libvips spells them after the name
// ("[Q=90]", "[interlace]", "[compression=av1]"). A
// non-zero `orientation` is recorded as the EXIF orientation (JPEG). `icc`
// names a profile to convert the picture to first ("cmyk" gives a CMYK
// JPEG with libvips' CMYK profile). False when it could not be written.
bool WriteWithVips(const QImage& image, const QString& path, const QString& options = {},
                   int orientation = 0, const QString& icc = {});

// A bitmap written byte by byte: 24 bits a pixel, or 32 with straight
// alpha in the fourth byte (BI_BITFIELDS, BITMAPV4 header), bottom up or
// top down (a negative height).
QByteArray BitmapBytes(const QImage& image, bool alpha, bool topDown);

// Whether libvips itself, asked directly, opens the file (loaders the
// program blocks must not).
bool VipsOpensFile(const QString& path);

// Mean absolute error (0-255) of the picture in `copy` against libvips'
// Lanczos-3 reduction (`vips resize --kernel lanczos3`) of `source` to the
// copy's size; negative when either cannot be read.
double LanczosError(const QString& source, const QString& copy);
// The same measure for vipsthumbnail's own copy of `source` fitted within
// `box`: the figure to compare with.
double VipsThumbnailError(const QString& source, QSize box);

// Four quarters: red and green above, blue and (unless transparent) yellow
// below; the way a picture is turned shows in where its red quarter lands.
QImage Quarters(QSize size, bool transparentCorner = false);
