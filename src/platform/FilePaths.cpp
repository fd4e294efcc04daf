#include "platform/FilePaths.h"

#include <QDir>

namespace {
qsizetype LastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}
} // namespace

QString FileExtension(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < LastSeparator(path))
        return {};
    return path.mid(dot).toLower();
}

QString GetJustFileName(const QString& path) {
    return path.mid(LastSeparator(path) + 1);
}

QString GetFileDirectory(const QString& path) {
    const qsizetype cut = LastSeparator(path);
    return cut < 0 ? QString() : path.left(cut + 1);
}

QString WithTrailingSeparator(const QString& directory) {
    return directory.endsWith(u'/') ? directory : directory + u'/';
}

QString InFolder(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QDir::separator() + name;
}

namespace {
constexpr const char* kPictureExtensions[] = {".bmp", ".gif",  ".jpg",  ".jpeg", ".png", ".webp",
                                              ".tif", ".tiff", ".heic", ".heif", ".avif"};
} // namespace

bool HasPictureExtension(const QString& path) {
    for (const char* ext : kPictureExtensions)
        if (path.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
            return true;
    return false;
}

QStringList PictureNamePatterns() {
    QStringList patterns;
    for (const char* ext : kPictureExtensions)
        patterns << QLatin1Char('*') + QLatin1String(ext);
    return patterns;
}
