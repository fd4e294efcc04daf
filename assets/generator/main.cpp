// Writes the pictures of the program folder: pevrano_assets OUTPUT_FOLDER
// or the program's icons: pevrano_assets --icons OUTPUT_FOLDER SIZE...
// (pevrano-slideshow-SIZE.png).

#include "AssetPictures.h"
#include "GifWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <cstdio>

namespace {

bool Save(const AssetPicture& picture, const QDir& folder) {
    const QString path = folder.filePath(picture.fileName);
    if (picture.fileName.endsWith(QLatin1String(".gif"))) {
        const QImage indexed = picture.image.format() == QImage::Format_Indexed8
                                   ? picture.image
                                   : ToIndexed(picture.image);
        QSaveFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(EncodeGif(indexed)) >= 0 && out.commit();
    }
    return picture.image.save(path, "JPEG", 90);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool icons = args.size() > 2 && args[1] == QLatin1String("--icons");
    if (icons)
        args.removeAt(1);
    if ((!icons && args.size() != 2) || (icons && args.size() < 3)) {
        std::fprintf(stderr, "usage: pevrano_assets OUTPUT_FOLDER\n"
                             "       pevrano_assets --icons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "pevrano_assets: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    if (icons) {
        for (const QString& size : args.mid(2)) {
            const QString path =
                folder.filePath(QStringLiteral("pevrano-slideshow-%1.png").arg(size));
            if (size.toInt() < 16 || !AppIcon(size.toInt()).save(path, "PNG")) {
                std::fprintf(stderr, "pevrano_assets: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        return 0;
    }
    for (const AssetPicture& picture : AllAssetPictures()) {
        if (!Save(picture, folder)) {
            std::fprintf(stderr, "pevrano_assets: cannot write %s\n",
                         qPrintable(folder.filePath(picture.fileName)));
            return 1;
        }
    }
    return 0;
}
