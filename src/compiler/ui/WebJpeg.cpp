#include "compiler/ui/WebJpeg.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {
constexpr int kWebJpegQuality = 90;

// Transparent parts show the page's white, as most viewers show them.
QImage OnWhite(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    flat.setColorSpace(image.colorSpace());
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}
} // namespace

std::optional<UprightPicture> DecodeForConversion(const QString& source, QSize box) {
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return std::nullopt;
    // The box holds the picture as it is shown, after its EXIF turn; the
    // reader scales before it turns.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize shown = turned ? stored.transposed() : stored;
    if (!box.isEmpty() && (shown.width() > box.width() || shown.height() > box.height())) {
        const QSize fitted = shown.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        reader.setScaledSize(turned ? fitted.transposed() : fitted);
    }
    UprightPicture picture;
    picture.severalFrames = reader.imageCount() > 1;
    picture.image = reader.read();
    if (picture.image.isNull())
        return std::nullopt;
    return picture;
}

QByteArray EncodeWebJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kWebJpegQuality);
    if (!writer.write(OnWhite(image)))
        return {};
    return bytes;
}

FittedPicture ConvertToWebJpeg(const QString& source, QSize box) {
    const std::optional<UprightPicture> decoded = DecodeForConversion(source, box);
    if (!decoded)
        return {FittedPicture::Kind::Undecodable, {}};
    FittedPicture result{FittedPicture::Kind::Fitted, EncodeWebJpeg(decoded->image)};
    if (result.bytes.isEmpty())
        return {FittedPicture::Kind::Undecodable, {}};
    result.firstFrameOnly = decoded->severalFrames;
    return result;
}
