#include "editor/FileNames.h"

QString GetFileDirectory(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return cut < 0 ? QString() : path.left(cut + 1);
}

bool HasPictureExtension(const QString& path) {
    for (const char* ext : {".bmp", ".gif", ".jpg", ".jpeg"})
        if (path.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
            return true;
    return false;
}
