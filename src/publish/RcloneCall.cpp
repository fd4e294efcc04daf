#include "publish/RcloneCall.h"

#include <QEventLoop>
#include <QTimer>

namespace {
// rclone stops cleanly on SIGTERM; one that does not within this time is killed.
constexpr int kStopMilliseconds = 3000;
} // namespace

RcloneCall::RcloneCall(const RcloneProgram& program, QObject* parent) : QObject(parent) {
    process.setProgram(program.program);
    process.setProcessEnvironment(program.environment);
    connect(&process, &QProcess::readyReadStandardError, this, &RcloneCall::readErrors);
    connect(&process, &QProcess::finished, this, &RcloneCall::ended);
    connect(&process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            result.started = false;
            result.error = process.errorString();
            ended();
        }
    });
}

RcloneCall::~RcloneCall() {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(kStopMilliseconds);
    }
}

void RcloneCall::start(const QStringList& arguments, const QByteArray& input) {
    result = {};
    pendingError.clear();
    done = false;
    // A configuration with a password of its own would ask for it on the
    // terminal; the publish never waits for that.
    process.setArguments(QStringList{QStringLiteral("--ask-password=false")} + arguments);
    process.start();
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
}

void RcloneCall::cancel() {
    if (process.state() == QProcess::NotRunning)
        return;
    result.cancelled = true;
    process.terminate();
    QTimer::singleShot(kStopMilliseconds, &process, [this] {
        if (process.state() != QProcess::NotRunning)
            process.kill();
    });
}

void RcloneCall::readErrors() {
    pendingError += process.readAllStandardError();
    qsizetype end;
    while ((end = pendingError.indexOf('\n')) >= 0) {
        const RcloneLogLine line = ReadRcloneLogLine(pendingError.left(end));
        pendingError.remove(0, end + 1);
        if (!line.error.isEmpty())
            result.error = line.error;
        if (line.stats)
            emit stats(*line.stats);
    }
}

void RcloneCall::ended() {
    if (done)
        return;
    done = true;
    if (result.started) {
        readErrors();
        pendingError += '\n';
        readErrors();
        result.output = process.readAllStandardOutput();
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    emit finished(result);
}

RcloneResult RcloneCall::Run(const RcloneProgram& program, const QStringList& arguments,
                             const QByteArray& input) {
    RcloneCall call(program);
    RcloneResult result;
    QEventLoop loop;
    connect(&call, &RcloneCall::finished, &loop, [&](const RcloneResult& r) {
        result = r;
        loop.quit();
    });
    call.start(arguments, input);
    if (call.running() || !call.done)
        loop.exec();
    return result;
}
