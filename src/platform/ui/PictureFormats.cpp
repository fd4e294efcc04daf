#include "platform/ui/PictureFormats.h"

#include <QByteArray>
#include <QImageReader>

bool ReadsPictureFormat(const char* format) {
    return QImageReader::supportedImageFormats().contains(QByteArray(format));
}
