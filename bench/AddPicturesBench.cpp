// Adding many large pictures and stepping onto one, measured side by side.
//
// Generates 200 JPEGs of 12 megapixels once into build/bench-cache, then times
// in one run: decoding each at full size one after another (the naive way of
// adding them), adding them in one selection through the main window's Add
// command, and Forward onto a 12-megapixel slide. Prints the figures.
#include "ScriptedPrompter.h"
#include "editor/ui/Form1.h"
#include "editor/ui/PictureDecoding.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/SlideEditing.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kPictures = 200;
constexpr QSize kPictureSize(4000, 3000);

// A photo-like picture: soft gradients, shapes and grain, so the JPEG holds
// about as much data as a camera's.
void WritePicture(const QString& path, int seed) {
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
    image.save(path, "JPG", 88);
}

QStringList PrepareCache() {
    const QString folder = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../bench-cache/jpeg12mp"));
    QDir().mkpath(folder);
    QStringList paths;
    QList<int> missing;
    for (int i = 1; i <= kPictures; ++i) {
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
    // Both ways read from the page cache.
    qint64 bytes = 0;
    for (const QString& p : paths) {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        bytes += f.readAll().size();
    }
    std::printf("%d pictures, %.1f MB in all\n", kPictures, bytes / 1e6);
    return paths;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList paths = PrepareCache();

    QElapsedTimer clock;
    clock.start();
    int decoded = 0;
    for (const QString& path : paths) {
        QImageReader reader(path);
        decoded += reader.read().isNull() ? 0 : 1;
    }
    const double naive = clock.nsecsElapsed() / 1e6;
    std::printf("Naive: decode each at full size, one after another: %8.0f ms (%d pictures)\n",
                naive, decoded);

    ScriptedPrompter prompter;
    Form1 form(prompter);
    form.show();
    Wait(100);
    prompter.queueFiles(paths);
    clock.restart();
    form.editing().cmdAdd_Click();
    const double added = clock.nsecsElapsed() / 1e6;
    std::printf("Add Picture(s) with all %d in one selection:         %8.0f ms (%d slides)\n",
                kPictures, added, form.project().SlideCount());
    std::printf("Ratio add / naive: %.3f (target <= 0.25)\n", added / naive);

    // Forward onto 12-megapixel slides as a user steps: a moment between
    // presses lets the next slide be decoded ahead.
    PreviewNavigation& nav = form.navigation();
    std::vector<double> paced, backToBack, cold;
    form.project().setCurrentSlide(1);
    nav.ShowSlide(1);
    for (int i = 0; i < 40; ++i) {
        Wait(250);
        clock.restart();
        nav.cmdFB_Click(PreviewNavigation::Forward);
        paced.push_back(clock.nsecsElapsed() / 1e6);
    }
    for (int i = 0; i < 40; ++i) {
        clock.restart();
        nav.cmdFB_Click(PreviewNavigation::Forward);
        QCoreApplication::processEvents();
        backToBack.push_back(clock.nsecsElapsed() / 1e6);
    }
    // No decode ahead at all: the picture decoded at preview size on the spot.
    const QSize box = form.ui.Image1->decodeBox();
    for (int i = 0; i < 40; ++i) {
        clock.restart();
        const QImage image = DecodeToFit(paths[(i * 7) % kPictures], box);
        cold.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("Forward onto a 12-megapixel slide (preview %dx%d), median:\n", box.width(),
                box.height());
    std::printf("  paced like a user (decoded ahead):      %6.1f ms\n", Median(paced));
    std::printf("  pressed back to back:                   %6.1f ms\n", Median(backToBack));
    std::printf("  decode at preview size, nothing ahead:  %6.1f ms (target <= 60)\n",
                Median(cold));
    return 0;
}
