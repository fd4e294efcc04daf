// Start-up to the main window shown, measured side by side.
//
// Starts itself again and again as a fresh process that does what the
// program does without the splash's timers (the application object, the main
// window's load with its stored settings, the options window loaded once,
// show) and reports when the window's first paint arrives. The parent times
// each run from process start to that report. Prints the figures.
// Target: at most 400 ms from process start to the window shown.
#include "editor/ui/MainWindow.h"
#include "platform/ui/QtPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kRuns = 15;

// Notes the first paint of the window it watches.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// One start: prints the milliseconds of its steps on one line.
int Child(int argc, char** argv, QElapsedTimer& clock) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Pevrano Slide Show"));
    QCoreApplication::setOrganizationName(QStringLiteral("Pevrano"));
    const qint64 appReady = clock.elapsed();
    QtPrompter prompter;
    MainWindow window(prompter);
    const qint64 loaded = clock.elapsed();
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    while (!paint.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("%lld %lld %lld\n", static_cast<long long>(appReady),
                static_cast<long long>(loaded), static_cast<long long>(clock.elapsed()));
    return 0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return Child(argc, argv, clock);

    QCoreApplication app(argc, argv);
    // A first start: no stored settings, nothing of the user's touched.
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    if (!env.contains(QStringLiteral("DISPLAY")) &&
        !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    std::printf("Start-up to the main window shown (platform %s), %d fresh processes:\n",
                qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"))),
                kRuns);

    std::vector<double> total, application, load, show;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.setProcessEnvironment(env);
        QElapsedTimer wall;
        wall.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!child.waitForReadyRead(20000)) {
            std::fprintf(stderr, "the child gave no figures: %s\n",
                         child.readAllStandardError().constData());
            return 1;
        }
        const double shown = wall.nsecsElapsed() / 1e6;
        const QList<QByteArray> steps = child.readLine().trimmed().split(' ');
        child.waitForFinished();
        if (steps.size() != 3)
            return 1;
        // The first run warms the file cache and is not counted.
        if (run == 0)
            continue;
        total.push_back(shown);
        application.push_back(steps[0].toDouble());
        load.push_back(steps[1].toDouble() - steps[0].toDouble());
        show.push_back(steps[2].toDouble() - steps[1].toDouble());
    }
    std::printf("  application object:             %6.1f ms (median)\n", Median(application));
    std::printf("  main window built and loaded:   %6.1f ms\n", Median(load));
    std::printf("  shown until its first paint:    %6.1f ms\n", Median(show));
    std::printf("  process start to window shown:  %6.1f ms median, %.1f best, %.1f worst"
                " (target <= 400)\n",
                Median(total), *std::min_element(total.begin(), total.end()),
                *std::max_element(total.begin(), total.end()));
    return 0;
}
