#include "platform/ui/PictureFormats.h"

#include <QImageReader>

namespace {
// A format of the dialogs beyond the first three: its word and patterns in
// the first filter, its own filter, and the reader it needs (none: Qt always
// has one).
struct DialogFormat {
    const char* word;
    const char* patterns;
    const char* filter;
    const char* reader;
};

constexpr DialogFormat kNewerFormats[] = {
    {"png", "*.png", "PNG (*.png)", nullptr},
    {"webp", "*.webp", "WEBP (*.webp)", "webp"},
    {"tif", "*.tif *.tiff", "TIFF TIF (*.tif *.tiff)", "tiff"},
    {"heic", "*.heic *.heif", "HEIC HEIF (*.heic *.heif)", "heic"},
};
} // namespace

bool ReadsPictureFormat(const char* format) {
    return QImageReader::supportedImageFormats().contains(QByteArray(format));
}

QStringList PictureFileFilters() {
    QString words = QStringLiteral("jpg gif bmp");
    QString patterns = QStringLiteral("*.bmp *.gif *.jpeg *.jpg");
    QStringList filters{QStringLiteral("JPEG JPG (*.jpeg *.jpg)"), QStringLiteral("GIF (*.gif)"),
                        QStringLiteral("BITMAP (*.bmp)")};
    for (const DialogFormat& f : kNewerFormats) {
        if (f.reader && !ReadsPictureFormat(f.reader))
            continue;
        words += QLatin1Char(' ') + QLatin1String(f.word);
        patterns += QLatin1Char(' ') + QLatin1String(f.patterns);
        filters << QString::fromLatin1(f.filter);
    }
    filters.prepend(QStringLiteral("Picture Files (") + words + QStringLiteral(") (") + patterns +
                    QLatin1Char(')'));
    return filters;
}
