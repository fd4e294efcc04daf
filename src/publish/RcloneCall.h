#pragma once

#include "publish/RcloneLog.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// How rclone is started: the program and its environment. Passwords never
// travel as arguments, which any user can read: they are in rclone's
// configuration file, or reach rclone through its standard input or the
// environment.
struct RcloneProgram {
    QString program = QStringLiteral("rclone");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// How one run of rclone ended.
struct RcloneResult {
    bool started = true; // false: the program could not be started
    bool cancelled = false;
    int exitCode = 0;
    QByteArray output; // standard output
    QString error;     // the last error rclone reported, as plain text

    bool ok() const { return started && !cancelled && exitCode == 0; }
};

// One run of rclone as a child process with an argument list (no shell).
// Standard error is read line by line for its JSON log; statistics are
// reported as they come.
class RcloneCall : public QObject {
    Q_OBJECT
public:
    RcloneCall(const RcloneProgram& program, QObject* parent = nullptr);
    ~RcloneCall() override;

    void start(const QStringList& arguments, const QByteArray& input = {});
    // Stops the run; finished() follows with `cancelled` set.
    void cancel();
    bool running() const { return process.state() != QProcess::NotRunning; }

    // Runs to the end in a local event loop.
    static RcloneResult Run(const RcloneProgram& program, const QStringList& arguments,
                            const QByteArray& input = {});

signals:
    void stats(const TransferStats& stats);
    void finished(const RcloneResult& result);

private:
    void readErrors();
    void ended();

    QProcess process;
    RcloneResult result;
    QByteArray pendingError;
    bool done = true;
};
