#include "compiler/ui/QtPictureFitter.h"

#include "compiler/PixNames.h"
#include "compiler/ui/Downscale.h"
#include "compiler/ui/PictureDecode.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kFittedJpegQuality = 90;

bool Writable(const QByteArray& format) {
    static const QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    return formats.contains(format);
}

bool Larger(QSize a, QSize b) {
    return a.width() > b.width() || a.height() > b.height();
}

QByteArray Encoded(const QImage& image, const QByteArray& format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg")
        writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

// JPEG holds no transparency: transparent parts show white, as on a page.
QByteArray Jpeg(const QImage& image, int quality = kSizesJpegQuality) {
    if (!image.hasAlphaChannel())
        return Encoded(image, "jpeg", quality);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setColorSpace(image.colorSpace());
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return Encoded(flat, "jpeg", quality);
}

// Whether the file holds more pictures than its first: animation frames,
// pages.
bool SeveralFrames(const QString& source) {
    return QImageReader(source).imageCount() > 1;
}

// The full size of a picture written as JPEG: its own, or, when a decode at
// that size would pass Qt's allocation limit, the largest size within it.
QSize ConvertedSize(QSize source) {
    const double limit = double(QImageReader::allocationLimit()) * 1024 * 1024 / 4;
    const double pixels = double(source.width()) * source.height();
    if (limit <= 0 || pixels <= limit)
        return source;
    return FittedSize(source, source * std::sqrt(limit / pixels));
}
} // namespace

PictureCopies QtPictureFitter::copies(const QString& source, const PictureRequest& request) const {
    PictureCopies made;
    // A missing file is for the copy to report, as without fitting.
    const DecodedPicture info = PictureInfo(source);
    if (info.status == DecodedPicture::Status::Missing)
        return made;
    if (!info.ok()) {
        made.full.kind = FittedPicture::Kind::Undecodable;
        made.undecodable = true;
        return made;
    }
    // Formats Qt cannot write (GIF) keep their full copy as it is, animation
    // and all. WebP, TIFF and HEIC always get theirs as JPEG, made from the
    // same decode as the smaller sizes.
    const bool convert = IsWrittenAsJpeg(source);
    const bool fit =
        request.fitBox && (convert || Writable(info.format)) && Larger(info.size, *request.fitBox);
    const QSize full = fit       ? FittedSize(info.size, *request.fitBox)
                       : convert ? ConvertedSize(info.size)
                                 : info.size;
    const bool phone = request.sizes && Larger(full, kPhoneBox);
    if (!fit && !request.sizes && !convert)
        return made;

    // One decode covers the largest copy; each smaller one is made from the
    // smallest image already made that still covers it. The decoder's own
    // reduction (JPEG's) folds fine detail back as false patterns, so for
    // the fitted copy and the thumbnail it leaves twice their size to the
    // filter; the phone size takes the smallest decode, for speed.
    const QSize phoneSize = FittedSize(full, kPhoneBox);
    const QSize decodeBound = fit       ? full * 2
                              : convert ? full
                              : phone   ? phoneSize
                                        : FittedSize(full, kThumbBox) * 2;
    const DecodedPicture decoded = DecodeUpright(source, decodeBound);
    if (!decoded.ok()) {
        made.full.kind = FittedPicture::Kind::Undecodable;
        made.undecodable = true;
        return made;
    }
    QImage from = decoded.image;
    if (fit || convert) {
        from = Downscale(from, full);
        made.full = {FittedPicture::Kind::Fitted,
                     convert ? Jpeg(from, kFittedJpegQuality)
                             : Encoded(from, info.format, kFittedJpegQuality)};
        if (made.full.bytes.isEmpty())
            made.full = {FittedPicture::Kind::Undecodable, {}};
        made.full.firstFrameOnly = convert && SeveralFrames(source);
    }
    if (phone) {
        from = Downscale(from, phoneSize);
        made.phone = Jpeg(from);
    }
    if (request.sizes)
        made.thumb = Jpeg(Downscale(from, FittedSize(full, kThumbBox)));
    made.undecodable = made.full.kind == FittedPicture::Kind::Undecodable ||
                       (request.sizes && made.thumb.isEmpty());
    return made;
}
