#include "platform/ui/PictureDecoding.h"

#include "platform/RegularFile.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {
// Pictures other than JPEG are checked by decoding them at this size.
constexpr QSize kProbeBox(96, 96);

bool WithinLimits(QSize size) {
    return size.isValid() && size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide &&
           qint64(size.width()) * size.height() <= kMaxPicturePixels;
}

// A reader on the file, opened only when it is a regular file: a FIFO would
// block the decode (and every window waiting for it) until a writer came, and
// a device may never end. Null when the file is not a regular one.
struct PictureReader {
    QFile file;
    QImageReader reader;

    bool open(const QString& path) {
        if (!OpenRegularFile(file, path))
            return false;
        reader.setDevice(&file);
        return reader.canRead();
    }
};

QImage Decode(const QString& path, QSize box, QSize (*choose)(QSize, QSize)) {
    PictureReader picture;
    if (box.isEmpty() || !picture.open(path))
        return {};
    QImageReader& reader = picture.reader;
    if (!reader.canRead())
        return {};
    const QSize source = reader.size();
    if (!WithinLimits(source))
        return {};
    const QSize target = choose(source, box);
    if (target != source)
        reader.setScaledSize(target);
    return reader.read(); // a null image when the data does not decode
}
} // namespace

std::optional<QSize> PictureHeaderSize(const QString& path) {
    PictureReader picture;
    if (!picture.open(path))
        return std::nullopt;
    const QSize size = picture.reader.size();
    if (!WithinLimits(size))
        return std::nullopt;
    return size;
}

QSize FitInside(QSize source, QSize box) {
    if (source.isEmpty() || box.isEmpty())
        return {};
    if (source.width() <= box.width() && source.height() <= box.height())
        return source;
    QSize fitted = source.scaled(box, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

QSize CoverBox(QSize source, QSize box) {
    if (source.isEmpty() || box.isEmpty())
        return {};
    QSize covered = source.scaled(box, Qt::KeepAspectRatioByExpanding);
    if (covered.width() >= source.width())
        return source;
    return covered.expandedTo(QSize(1, 1));
}

QImage DecodeToFit(const QString& path, QSize box) {
    return Decode(path, box, &FitInside);
}

QImage DecodeToCover(const QString& path, QSize box) {
    return Decode(path, box, &CoverBox);
}

QImage DecodeToSize(const QString& path, QSize size) {
    PictureReader picture;
    if (size.isEmpty() || !picture.open(path))
        return {};
    QImageReader& reader = picture.reader;
    if (!WithinLimits(reader.size()))
        return {};
    const QSize source = reader.size();
    if (reader.format() != "jpeg" || size.width() * 2 > source.width() ||
        size.height() * 2 > source.height()) {
        if (size != source)
            reader.setScaledSize(size);
        return reader.read();
    }
    // A JPEG much larger than the thumbnail: libjpeg decodes it at the
    // smallest of its M/8 scales still covering the thumbnail (Qt picks that
    // scale from the scaled size asked for), with its fast inverse DCT and
    // plain chroma upsampling (a quality below 50); asking for exactly that
    // scale (rounded down, so Qt's choice of scale cannot round up) keeps Qt
    // from scaling again, and one smooth scale of the small decode makes the
    // thumbnail.
    const double shrink =
        std::min(double(source.width()) / size.width(), double(source.height()) / size.height());
    const int eighths = std::clamp(static_cast<int>(std::ceil(8 / shrink)), 1, 8);
    reader.setScaledSize(
        QSize(source.width() * eighths / 8, source.height() * eighths / 8).expandedTo(size));
    reader.setQuality(49);
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return {};
    return decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool CanShowPicture(const QString& path) {
    PictureReader picture;
    if (!picture.open(path))
        return false;
    QImageReader& reader = picture.reader;
    if (!WithinLimits(reader.size()))
        return false;
    // The JPEG reader has read every table up to the first scan to tell the
    // size, and it shows whatever data follows, so the header answers; other
    // formats are decoded at a small size.
    if (reader.format() == "jpeg")
        return true;
    return !DecodeToFit(path, kProbeBox).isNull();
}
