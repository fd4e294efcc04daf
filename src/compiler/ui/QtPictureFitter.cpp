#include "compiler/ui/QtPictureFitter.h"

#include "compiler/PixNames.h"
#include "compiler/ui/WebJpeg.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace {
constexpr int kJpegQuality = 90;

bool Writable(const QByteArray& format) {
    static const QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    return formats.contains(format);
}
} // namespace

FittedPicture QtPictureFitter::fit(const QString& source, QSize box) const {
    // A missing file is for the copy to report, as without fitting.
    if (!QFileInfo(source).isFile())
        return {};
    if (IsWrittenAsJpeg(source))
        return ConvertToWebJpeg(source, box);
    if (box.isEmpty())
        return {};
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const QByteArray format = reader.format();
    if (!stored.isValid() || format.isEmpty())
        return {FittedPicture::Kind::Undecodable, {}};
    if (!Writable(format))
        return {};
    // The box holds the picture as it is shown, after its EXIF turn.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize shown = turned ? stored.transposed() : stored;
    if (shown.width() <= box.width() && shown.height() <= box.height())
        return {};
    const QSize fitted = shown.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // The reader scales before it turns.
    reader.setScaledSize(turned ? fitted.transposed() : fitted);
    const QImage image = reader.read();
    if (image.isNull())
        return {FittedPicture::Kind::Undecodable, {}};

    FittedPicture result{FittedPicture::Kind::Fitted, {}};
    QBuffer buffer(&result.bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg" || format == "jpg")
        writer.setQuality(kJpegQuality);
    if (!writer.write(image))
        return {FittedPicture::Kind::Undecodable, {}};
    return result;
}
