// The 12-megapixel JPEGs the picture benchmarks share, generated once into
// build/bench-cache and read back so every timing starts from the page cache.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QtConcurrent/QtConcurrentMap>
#include <cstdio>

inline constexpr QSize kPictureSize(4000, 3000);

// A photo-like picture: soft gradients, shapes and grain, so the JPEG holds
// about as much data as a camera's.
inline QImage PhotoLikePicture(int seed) {
    QImage image(kPictureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, kPictureSize.width(), kPictureSize.height());
    sky.setColorAt(0, QColor::fromHsv((seed * 47) % 360, 160, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 47 + 120) % 360, 200, 90));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(static_cast<quint32>(seed));
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 150, 200, 120));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(random.bounded(4000), random.bounded(3000)),
                            random.bounded(50, 600), random.bounded(50, 600));
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random.bounded(25u)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

inline void WritePicture(const QString& path, int seed) {
    PhotoLikePicture(seed).save(path, "JPG", 88);
}

// The first `count` pictures of the cache, generating the missing ones.
inline QStringList PrepareCache(int count) {
    const QString folder = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../bench-cache/jpeg12mp"));
    QDir().mkpath(folder);
    QStringList paths;
    QList<int> missing;
    for (int i = 1; i <= count; ++i) {
        const QString path =
            QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QChar('0')));
        paths << path;
        if (!QFile::exists(path))
            missing << i;
    }
    if (!missing.isEmpty()) {
        std::printf("Generating %lld pictures of %dx%d in %s ...\n",
                    static_cast<long long>(missing.size()), kPictureSize.width(),
                    kPictureSize.height(), qPrintable(folder));
        std::fflush(stdout);
        QtConcurrent::blockingMap(missing, [&](int i) { WritePicture(paths[i - 1], i); });
    }
    // Every way measured reads from the page cache.
    qint64 bytes = 0;
    for (const QString& p : paths) {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        bytes += f.readAll().size();
    }
    std::printf("%d pictures, %.1f MB in all\n", count, bytes / 1e6);
    return paths;
}
