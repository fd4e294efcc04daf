#include "compiler/ui/PictureDecode.h"

#include "compiler/ui/Downscale.h"
#include "compiler/ui/LargePictureReader.h"
#include "platform/ui/PictureDecoding.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTransform>
#include <algorithm>

namespace {
// The limits the previews take pictures within, so a picture the window
// shows is one the compile scales.
bool WithinProgramLimit(QSize size) {
    return size.isValid() && size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide &&
           qint64(size.width()) * size.height() <= kMaxPicturePixels;
}

// The size to ask the JPEG reader for: the smallest of its 1/2, 1/4 and 1/8
// scales still covering `wanted`. The reader picks its scale from the whole
// factor between the two sizes and scales again to any size it did not land
// on, so exact scales are asked for where the sides divide evenly.
QSize JpegDecodeSize(QSize stored, QSize wanted) {
    for (int denominator : {8, 4, 2}) {
        const QSize exact((stored.width() + denominator - 1) / denominator,
                          (stored.height() + denominator - 1) / denominator);
        if (exact.width() < wanted.width() || exact.height() < wanted.height())
            continue;
        if (stored.width() % denominator == 0 && stored.height() % denominator == 0)
            return exact;
        // Rounded down the reader still takes this scale, then trims a pixel.
        const QSize under(stored.width() / denominator, stored.height() / denominator);
        if (under.width() >= wanted.width() && under.height() >= wanted.height())
            return under;
    }
    return stored;
}

// Bytes a full decode by Qt's reader would take, as its allocation limit
// counts them: 16-bit PNGs decode to 8 bytes a pixel, the rest to 4 at most.
qint64 FullDecodeBytes(const QImageReader& reader, QSize stored) {
    const qint64 pixels = qint64(stored.width()) * stored.height();
    const QImage::Format format = reader.imageFormat();
    const int depth =
        format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    return pixels * std::max(depth, 32) / 8;
}
// What QImageReader's automatic transformation does, for pictures read
// without it.
QImage Turned(const QImage& image, QImageIOHandler::Transformations t) {
    if (image.isNull() || t == QImageIOHandler::TransformationNone)
        return image;
    if (t == QImageIOHandler::TransformationRotate270)
        return image.transformed(QTransform().rotate(270));
    QImage turned = image.mirrored(t & QImageIOHandler::TransformationMirror,
                                   t & QImageIOHandler::TransformationFlip);
    if (t & QImageIOHandler::TransformationRotate90)
        turned = turned.transformed(QTransform().rotate(90));
    return turned;
}
} // namespace

DecodedPicture PictureInfo(const QString& path) {
    DecodedPicture info;
    if (!QFileInfo(path).isFile())
        return info;
    info.status = DecodedPicture::Status::Undecodable;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    info.format = reader.format();
    if (!WithinProgramLimit(stored) || info.format.isEmpty())
        return info;
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    info.size = turned ? stored.transposed() : stored;
    info.status = DecodedPicture::Status::Ok;
    return info;
}

DecodedPicture DecodeUpright(const QString& path, QSize bound) {
    DecodedPicture picture = PictureInfo(path);
    if (!picture.ok())
        return picture;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    // The reader scales before it turns.
    const QSize fitted = FittedSize(picture.size, bound.isEmpty() ? picture.size : bound);
    const QSize wanted = turned ? fitted.transposed() : fitted;
    if (picture.format == "jpeg" && wanted != stored) {
        if (const QSize decode = JpegDecodeSize(stored, wanted); decode != stored)
            reader.setScaledSize(decode);
    } else if (FullDecodeBytes(reader, stored) > qint64(QImageReader::allocationLimit()) << 20) {
        // Qt's readers refuse a full decode this large; ours reduce while reading.
        picture.image = ReadLargePicture(path, picture.format, wanted);
        picture.image = Turned(picture.image, reader.transformation());
        // Readers that scale while decoding (WebP, our HEIC reader) are held
        // to the limit at the scaled size.
        if (picture.image.isNull() && reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(wanted);
    }
    if (picture.image.isNull())
        picture.image = reader.read();
    if (picture.image.isNull()) {
        picture.status = DecodedPicture::Status::Undecodable;
        return picture;
    }
    return picture;
}
