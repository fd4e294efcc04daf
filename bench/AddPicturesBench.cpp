// Adding many large pictures and stepping onto one, measured side by side.
//
// Generates 200 JPEGs of 12 megapixels once into build/bench-cache, then times
// in one run: decoding each at full size one after another (the naive way of
// adding them), adding them in one selection through the main window's Add
// command, and Forward onto a 12-megapixel slide. Prints the figures.
#include "ScriptedPrompter.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/SlideEditing.h"
#include "pictures/ui/ShownPictures.h"

#include "BenchPictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QImageReader>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kPictures = 200;

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
    const QStringList paths = PrepareCache(kPictures);

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
    MainWindow form(prompter);
    form.show();
    Wait(100);
    prompter.queueFiles(paths);
    clock.restart();
    form.editing().addPictures();
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
        nav.pressNavigationButton(PreviewNavigation::Forward);
        paced.push_back(clock.nsecsElapsed() / 1e6);
    }
    for (int i = 0; i < 40; ++i) {
        clock.restart();
        nav.pressNavigationButton(PreviewNavigation::Forward);
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
