// Writes numbered 12-megapixel HEIC pictures, photo-like (BenchPictures.h),
// with libheif's encoder: the HEIC benchmark's input. Encoding is slow, so
// bench/heic_vs_vipsthumbnail.py makes them once and keeps them.
//
//   make_heic_pictures FOLDER COUNT
//
// Writes FOLDER/photo001.heic and so on.
#include "BenchPictures.h"
#include "TestPictures.h"

#include <QGuiApplication>
#include <QTextStream>
#include <atomic>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const int count = argc == 3 ? atoi(argv[2]) : 0;
    if (count < 1) {
        err << "usage: make_heic_pictures FOLDER COUNT\n";
        return 2;
    }
    if (!CanWriteHeic()) {
        err << "make_heic_pictures: this build's libheif has no HEVC encoder\n";
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QList<int> numbers;
    for (int i = 1; i <= count; ++i)
        numbers << i;
    std::atomic<int> failed = 0;
    QtConcurrent::blockingMap(numbers, [&](int i) {
        const QString path =
            QDir(folder).filePath(QStringLiteral("photo%1.heic").arg(i, 3, 10, QChar('0')));
        if (!WriteHeic(PhotoLikePicture(i), path, 50))
            ++failed;
    });
    if (failed > 0) {
        err << "make_heic_pictures: " << failed << " pictures could not be written\n";
        return 1;
    }
    return 0;
}
