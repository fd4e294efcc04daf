#include "pictures/ui/PictureImage.h"

#include <QColorSpace>
#include <cstring>

QImage ToImage(const DecodedPicture& picture) {
    const QSize size = picture.size();
    QImage image(size, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    const unsigned char* rows = picture.rgb();
    const qsizetype line = qsizetype(size.width()) * 3;
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(image.scanLine(y), rows + line * y, std::size_t(line));
    const QByteArray icc = picture.iccProfile();
    if (icc.isEmpty()) {
        image.setColorSpace(QColorSpace::SRgb);
        return image;
    }
    const QColorSpace space = QColorSpace::fromIccProfile(icc);
    if (!space.isValid())
        return image;
    image.setColorSpace(space);
    image.convertToColorSpace(QColorSpace::SRgb);
    return image;
}

QImage DecodeImage(const QString& path, QSize box, DecodeBudget* budget, QString* refusal) {
    const Decoded decoded = DecodePicture(path, {box, true}, budget);
    if (!decoded.ok()) {
        if (refusal)
            *refusal = decoded.refusal;
        return {};
    }
    return ToImage(*decoded.picture);
}
