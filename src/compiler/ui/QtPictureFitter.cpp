#include "compiler/ui/QtPictureFitter.h"

#include "compiler/ui/Downscale.h"
#include "compiler/ui/PictureDecode.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>

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
QByteArray Jpeg(const QImage& image) {
    if (!image.hasAlphaChannel())
        return Encoded(image, "jpeg", kSizesJpegQuality);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setColorSpace(image.colorSpace());
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return Encoded(flat, "jpeg", kSizesJpegQuality);
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
    // and all.
    const bool fit = request.fitBox && Writable(info.format) && Larger(info.size, *request.fitBox);
    const QSize full = fit ? FittedSize(info.size, *request.fitBox) : info.size;
    const bool phone = request.sizes && Larger(full, kPhoneBox);
    if (!fit && !request.sizes)
        return made;

    // One decode covers the largest copy; each smaller one is made from the
    // smallest image already made that still covers it. The decoder's own
    // reduction (JPEG's) folds fine detail back as false patterns, so for
    // the fitted copy and the thumbnail it leaves twice their size to the
    // filter; the phone size takes the smallest decode, for speed.
    const QSize phoneSize = FittedSize(full, kPhoneBox);
    const QSize decodeBound = fit ? full * 2 : phone ? phoneSize : FittedSize(full, kThumbBox) * 2;
    const DecodedPicture decoded = DecodeUpright(source, decodeBound);
    if (!decoded.ok()) {
        made.full.kind = FittedPicture::Kind::Undecodable;
        made.undecodable = true;
        return made;
    }
    QImage from = decoded.image;
    if (fit) {
        from = Downscale(from, full);
        made.full = {FittedPicture::Kind::Fitted, Encoded(from, info.format, kFittedJpegQuality)};
        if (made.full.bytes.isEmpty())
            made.full = {FittedPicture::Kind::Undecodable, {}};
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
