#include "pictures/ui/ShownPictures.h"

#include "pictures/PictureEngine.h"
#include "pictures/ui/PictureImage.h"

namespace {
// Pictures other than JPEG are checked by decoding them at this size.
constexpr QSize kProbeBox(96, 96);
} // namespace

std::optional<QSize> ShownSize(const QString& path) {
    const Identified identified = IdentifyPicture(path);
    if (!identified.ok())
        return std::nullopt;
    return identified.info->upright;
}

QImage DecodeToFit(const QString& path, QSize box) {
    if (box.isEmpty())
        return {};
    return DecodeImage(path, box);
}

QImage DecodeToCover(const QString& path, QSize box) {
    if (box.isEmpty())
        return {};
    const Decoded decoded = DecodePicture(path, {box, true, true});
    return decoded.ok() ? ToImage(*decoded.picture) : QImage();
}

QImage DecodeToSize(const QString& path, QSize size) {
    const QImage covering = DecodeToCover(path, size);
    if (covering.isNull() || covering.size() == size)
        return covering;
    return covering.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool CanShowPicture(const QString& path) {
    const Identified identified = IdentifyPicture(path);
    if (!identified.ok())
        return false;
    return identified.info->format == PictureFormat::Jpeg || !DecodeImage(path, kProbeBox).isNull();
}

QStringList PictureFileFilters() {
    return {QStringLiteral("Picture Files (jpg gif bmp png webp tif heic avif) (*.bmp *.gif *.jpeg "
                           "*.jpg *.png *.webp *.tif *.tiff *.heic *.heif *.avif)"),
            QStringLiteral("JPEG JPG (*.jpeg *.jpg)"),
            QStringLiteral("GIF (*.gif)"),
            QStringLiteral("BITMAP (*.bmp)"),
            QStringLiteral("PNG (*.png)"),
            QStringLiteral("WEBP (*.webp)"),
            QStringLiteral("TIFF TIF (*.tif *.tiff)"),
            QStringLiteral("HEIC HEIF (*.heic *.heif)"),
            QStringLiteral("AVIF (*.avif)")};
}
