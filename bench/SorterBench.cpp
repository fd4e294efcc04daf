// The picture sorter measured side by side with libvips.
//
// On 100 generated 12-megapixel JPEGs (made once into build/bench-cache):
// the sorter's thumbnail build at the smallest size against
// `vipsthumbnail -s 51x41` of the same files in one process. Then with 1000
// slides: a swap and its redraw, scrolling, size changes, and the peak memory
// of the open sorter. Prints the figures.
#include "ScriptedPrompter.h"
#include "document/ShowDocument.h"
#include "project/SlideShowProject.h"
#include "sorter/ui/SorterWindow.h"
#include "sorter/ui/ThumbnailStore.h"

#include "BenchPictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr int kPictures = 100;
constexpr int kRounds = 3;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The peak resident memory of this process so far, in MB.
double PeakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

void WaitUntilLoaded(const SorterWindow& w) {
    // The overload with a time limit returns at once when nothing is
    // waiting, so a loop over it would spin and take a core from the
    // decoders; this one sleeps until the next delivery.
    while (w.thumbnails().loading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

std::unique_ptr<ShowDocument> Show(const QStringList& paths, int slides) {
    auto d = std::make_unique<ShowDocument>();
    SlideShowProject& p = d->workingShow();
    p.GrowSlots();
    for (int k = 0; k < slides; ++k)
        p.AppendPicture(paths[k % paths.size()]);
    return d;
}

// Opens the sorter on the project and waits for every thumbnail.
double OpenSorter(ShowDocument& p, Prompter& ui, std::unique_ptr<SorterWindow>& w) {
    QElapsedTimer clock;
    clock.start();
    w = std::make_unique<SorterWindow>(p, ui);
    w->show();
    WaitUntilLoaded(*w);
    return clock.nsecsElapsed() / 1e6;
}

double Vips(const QString& vips, const QStringList& paths) {
    QTemporaryDir out;
    QStringList args{QStringLiteral("-s"), QStringLiteral("51x41"), QStringLiteral("-o"),
                     out.filePath(QStringLiteral("%s.jpg"))};
    args += paths;
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(vips, args);
    process.waitForFinished(-1);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (process.exitCode() != 0)
        std::printf("vipsthumbnail failed: %s\n", process.readAllStandardError().constData());
    return ms;
}

// Scrolls from the top to the bottom in `steps` steps, each drawn; returns
// the median and the slowest step.
std::pair<double, double> Scroll(SorterWindow& w, int steps) {
    std::vector<double> times;
    auto* bar = w.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    const int range = bar->maximum();
    for (int i = 1; i <= steps; ++i) {
        QElapsedTimer clock;
        clock.start();
        bar->setValue(range * i / steps);
        w.repaint();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    bar->setValue(0);
    return {Median(times), *std::max_element(times.begin(), times.end())};
}

double ChangeSize(SorterWindow& w, int value) {
    QElapsedTimer clock;
    clock.start();
    w.findChild<QSlider*>(QStringLiteral("ThumbSizeSlider"))->setValue(value);
    w.repaint();
    return clock.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // figures as they come, also into a file
    const QStringList paths = PrepareCache(kPictures);
    ScriptedPrompter ui;

    const QString vips = QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail"));
    if (vips.isEmpty()) {
        std::printf("vipsthumbnail not found (Debian package libvips-tools)\n");
        return 1;
    }
    // Alternating rounds, so both meet the same load on the machine.
    std::vector<double> vipsTimes, sorterTimes;
    for (int round = 0; round < kRounds; ++round) {
        vipsTimes.push_back(Vips(vips, paths));
        const auto p = Show(paths, kPictures);
        std::unique_ptr<SorterWindow> w;
        sorterTimes.push_back(OpenSorter(*p, ui, w));
    }
    const double vipsMs = Median(vipsTimes);
    const double sorterMs = Median(sorterTimes);
    std::printf("Thumbnails of %d 12-megapixel JPEGs at 51x41, median of %d rounds:\n", kPictures,
                kRounds);
    std::printf("  vipsthumbnail -s 51x41 (one process): %8.0f ms\n", vipsMs);
    std::printf("  sorter, opening until all are shown:  %8.0f ms\n", sorterMs);
    std::printf("  ratio sorter / vipsthumbnail: %.2f (target <= 0.5)\n", sorterMs / vipsMs);

    // 1000 slides: the 100 pictures ten times over.
    const auto show = Show(paths, 1000);
    std::unique_ptr<SorterWindow> w;
    const double opened = OpenSorter(*show, ui, w);
    std::printf("1000 slides: sorter open with every thumbnail: %.0f ms, peak memory %.0f MB\n",
                opened, PeakMegabytes());
    std::vector<double> swaps;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer clock;
        clock.start();
        w->choosePicture(i);
        w->choosePicture(999 - i);
        w->swapPictures();
        w->repaint();
        swaps.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("  swap and redraw, median:          %7.1f ms (target <= 50)\n", Median(swaps));
    const auto [scrollMedian, scrollMax] = Scroll(*w, 100);
    std::printf("  scroll top to bottom in 100 steps, drawn: median %.1f ms, slowest %.1f ms\n",
                scrollMedian, scrollMax);
    std::printf("  size change 1 -> 2 (layout, drawn): %5.0f ms (target <= 1000)\n",
                ChangeSize(*w, 2));
    QElapsedTimer clock;
    clock.start();
    WaitUntilLoaded(*w);
    std::printf("    every thumbnail decoded again at 91x81 after: %.0f ms\n",
                clock.nsecsElapsed() / 1e6);
    std::printf("  size change 2 -> 1 (kept, nothing decoded): %5.0f ms\n", ChangeSize(*w, 1));
    std::printf("  size change 1 -> 8 (layout, drawn): %5.0f ms (target <= 1000)\n",
                ChangeSize(*w, 8));
    clock.restart();
    WaitUntilLoaded(*w);
    std::printf("    every thumbnail decoded again at 331x321 after: %.0f ms\n",
                clock.nsecsElapsed() / 1e6);
    const auto [largeMedian, largeMax] = Scroll(*w, 100);
    std::printf("  scroll at the largest size, drawn: median %.1f ms, slowest %.1f ms\n",
                largeMedian, largeMax);
    std::printf("  peak memory of the open sorter at the largest size: %.0f MB\n", PeakMegabytes());
    return 0;
}
