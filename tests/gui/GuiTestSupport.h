#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <gtest/gtest.h>

// A window's control by its object name, and a control array's member by its
// index too, as the tooltips and screen readers find them.
template <typename W> W* Control(const QObject& window, const QString& name, int index = -1) {
    for (W* control : window.findChildren<W*>(name))
        if (index < 0 || control->property("Index").toInt() == index)
            return control;
    ADD_FAILURE() << "no control " << name.toStdString() << " " << index;
    return nullptr;
}

// Runs the event loop for the given time.
inline void RunEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the condition holds or the time is up.
inline bool RunEventsUntil(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// What a run of the built executable left: its exit status and output.
struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs without any display: a window would fail to start.
inline ProgramRun RunProgram(const QTemporaryDir& dir, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QCoreApplication::applicationDirPath() + "/pevrano-slideshow", args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
