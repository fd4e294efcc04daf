// The main window's start-up without the web engine, and the first opening of
// the caption style preview with its sample shown, measured side by side.
//
// Each measure runs in a fresh process (this program started again with one
// argument), so the web engine of one run cannot help another:
//   startup  the main window built and shown: time, memory, web engine loaded?
//   eager    the same with the browser module loaded first, as linking the
//            engine into the program would: the memory the lazy load saves
//   preview  start-up, then the font command until the sample is shown
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen; as root
// with QTWEBENGINE_DISABLE_SANDBOX=1. `preview HOLD_MS` keeps the preview open
// that long afterwards (for a screenshot).
#include "ScriptedPrompter.h"
#include "captionstyle/ui/CaptionStylePreview.h"
#include "captionstyle/ui/SampleBrowser.h"
#include "editor/ui/CaptionStyleCommand.h"
#include "editor/ui/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
// Resident memory of this process in MB.
double ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

bool WebEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

void RunEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int Measure(const QString& what, int holdMs) {
    QTemporaryDir folder;
    ScriptedPrompter ask;
    QElapsedTimer clock;
    clock.start();
    QWidget host;
    std::unique_ptr<SampleBrowser> early;
    if (what == QLatin1String("eager"))
        early = CreateSampleBrowser(&host);
    MainWindow window(ask);
    ConnectCaptionStyle(window, folder.path());
    window.show();
    RunEvents(50);
    const qint64 startupMs = clock.elapsed() - 50;
    std::printf("%s %lld %.1f %d", qPrintable(what), startupMs, ResidentMb(),
                WebEngineMapped() ? 1 : 0);
    if (what == QLatin1String("preview")) {
        bool shown = false;
        clock.restart();
        window.ui.cmdFont->click();
        auto* preview = window.findChild<CaptionStylePreview*>();
        if (preview == nullptr)
            return 1;
        QObject::connect(preview, &CaptionStylePreview::sampleShown, [&](bool ok) { shown = ok; });
        while (!shown && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::printf(" %lld %.1f", shown ? clock.elapsed() : -1LL, ResidentMb());
        if (holdMs > 0)
            RunEvents(holdMs);
        preview->close();
    }
    std::printf("\n");
    std::fflush(stdout);
    return 0;
}

QStringList RunChild(const QString& what) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {what});
    child.waitForFinished(60000);
    const QStringList fields = QString::fromLocal8Bit(child.readAllStandardOutput())
                                   .trimmed()
                                   .split(QLatin1Char('\n'))
                                   .last()
                                   .split(QLatin1Char(' '));
    return fields;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        return Measure(args.at(1), args.size() > 2 ? args.at(2).toInt() : 0);

    std::fflush(stdout);
    const QStringList lazy = RunChild(QStringLiteral("startup"));
    const QStringList eager = RunChild(QStringLiteral("eager"));
    const QStringList preview = RunChild(QStringLiteral("preview"));
    if (lazy.size() < 4 || eager.size() < 4 || preview.size() < 6) {
        std::fprintf(stderr, "a measuring run failed\n");
        return 1;
    }
    std::printf("Main window start-up           %6s ms  %7s MB resident  web engine loaded: %s\n",
                qPrintable(lazy[1]), qPrintable(lazy[2]), lazy[3] == "1" ? "yes" : "no");
    std::printf("  with the engine loaded first %6s ms  %7s MB resident  (what start-up avoids)\n",
                qPrintable(eager[1]), qPrintable(eager[2]));
    std::printf("Preview opened, sample shown   %6s ms  %7s MB resident  (target: 1500 ms)\n",
                qPrintable(preview[4]), qPrintable(preview[5]));
    return 0;
}
