// The recovery file of a main window, measured side by side.
//
// A window holds 1000 slides with long captions. The figures: the CPU time the
// whole process uses while the window sits idle for a few seconds (nothing
// looks at the show until it changes), the longest pass of the window's event
// loop after a caption edit (the edit, and the recovery file serialised a few
// seconds later, written on a worker), and, beside them, serialising the show
// once on the window's thread, as a watch that looked every second would.
// Target: an idle window uses no measurable CPU for its show.
#include "ScriptedPrompter.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/undo/EditHistory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {
double CpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void RunEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    ScriptedPrompter prompter;
    MainWindow window(prompter);
    window.showFiles().setRecoveryFolder(config.filePath("recovery"));
    SlideShowProject& p = window.project();
    const QString caption = QString(400, QLatin1Char('x'));
    {
        const EditStep add(window.history(), EditKind::AddPictures);
        for (int k = 1; k <= SlideShowProject::kMaxSlides; ++k) {
            p.AppendPicture(QStringLiteral("/pictures/holiday/picture-%1.jpg").arg(k));
            p.slide(k).Caption = caption + QString::number(k);
        }
    }
    window.show();
    RunEventsFor(4000); // the first recovery write

    constexpr int kIdleMs = 5000;
    const double idleStart = CpuMilliseconds();
    RunEventsFor(kIdleMs);
    const double idle = CpuMilliseconds() - idleStart;

    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(window.ui.txtCaption, &press);
    // The edit, and the recovery write its delay brings: the longest pass of
    // the window's event loop.
    QElapsedTimer clock;
    clock.start();
    qint64 mainThread = 0;
    while (clock.elapsed() < ShowFileCommands::kRecoveryDelayMilliseconds + 1500) {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        mainThread = qMax(mainThread, pass.nsecsElapsed());
    }

    QElapsedTimer serial;
    serial.start();
    const QByteArray json = window.showFiles().document().RecoveryJson(window.document().show());
    const double onThread = serial.nsecsElapsed() / 1e6;
    const bool modified = window.document().IsModified();

    std::printf("1000 slides, %lld bytes of recovery file (modified: %s)\n",
                static_cast<long long>(json.size()), modified ? "yes" : "no");
    std::printf("%-44s %10s\n", "", "ms");
    std::printf("%-44s %10.1f\n", "idle window, CPU over 5 s (this tool)", idle);
    std::printf("%-44s %10.1f\n", "serialise once on the window thread", onThread);
    std::printf("%-44s %10.1f\n", "  the same every second for 5 s", onThread * kIdleMs / 1000);
    std::printf("%-44s %10.1f\n", "longest main-thread step after a change", mainThread / 1e6);
    return 0;
}
