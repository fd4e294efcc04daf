#include "video/ClipTranscode.h"

#include "video/ClipArguments.h"

#include <algorithm>

namespace {
constexpr qsizetype kMaxErrorBytes = 8192;
}

std::optional<double> ProgressSeconds(QByteArrayView line) {
    for (QByteArrayView key : {QByteArrayView("out_time_us="), QByteArrayView("out_time_ms=")}) {
        if (!line.startsWith(key))
            continue;
        bool ok = false;
        const qint64 us = line.sliced(key.size()).trimmed().toLongLong(&ok);
        // ffmpeg writes N/A before the first frame, and may go below zero.
        return ok ? std::optional(std::max<qint64>(us, 0) / 1e6) : std::nullopt;
    }
    return std::nullopt;
}

ClipTranscode::ClipTranscode(QObject* parent) : QObject(parent) {}

ClipTranscode::~ClipTranscode() {
    stop();
}

bool ClipTranscode::start(const ClipJob& job) {
    // Its signals belong to the clip being made.
    if (running())
        return false;
    QString why;
    file = ClipOutputFile::Beside(job.output, &why);
    if (!file) {
        emit failed(QStringLiteral("The clip cannot be written: ") + why);
        return false;
    }
    duration = job.clip.duration;
    pending.clear();
    errors.clear();
    process = new QProcess(this);
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, &QProcess::readyReadStandardOutput, this, &ClipTranscode::readProgress);
    connect(process, &QProcess::readyReadStandardError, this, &ClipTranscode::readErrors);
    connect(process, &QProcess::finished, this, &ClipTranscode::processEnded);
    process->start(job.tools.ffmpeg,
                   TranscodeArguments(job.clip, job.plan, job.input, file->temporaryPath()),
                   QIODevice::ReadOnly);
    if (!process->waitForStarted()) {
        stop();
        emit failed(MissingClipToolsText());
        return false;
    }
    return true;
}

void ClipTranscode::cancel() {
    stop();
}

void ClipTranscode::stop() {
    if (process) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished();
        // A cancel may come from a slot of the process's own signal: the
        // object goes when the event loop is back, or with this one.
        process->deleteLater();
        process = nullptr;
    }
    file.reset(); // removes the temporary file
}

void ClipTranscode::readProgress() {
    pending += process->readAllStandardOutput();
    qsizetype end;
    // A slot may cancel on any report: none follows then.
    while (running() && (end = pending.indexOf('\n')) >= 0) {
        if (const auto seconds = ProgressSeconds(QByteArrayView(pending).first(end)))
            emit progressed(std::min(*seconds, duration), duration);
        pending.remove(0, end + 1);
    }
}

void ClipTranscode::readErrors() {
    errors += process->readAllStandardError();
    if (errors.size() > kMaxErrorBytes)
        errors = errors.right(kMaxErrorBytes);
}

void ClipTranscode::processEnded(int exitCode, QProcess::ExitStatus status) {
    readProgress();
    readErrors();
    const QByteArray err = errors;
    const bool ok = status == QProcess::NormalExit && exitCode == 0;
    QString why;
    const bool placed = ok && file->place(&why);
    const QString output = file->finalPath();
    // The process object may not be deleted inside its own signal.
    process->deleteLater();
    process = nullptr;
    file.reset();
    if (placed)
        emit finished(output);
    else if (ok)
        emit failed(QStringLiteral("The clip cannot be written: ") + why);
    else
        emit failed(QStringLiteral("ffmpeg could not make the clip: ") +
                    (err.trimmed().isEmpty() ? QStringLiteral("it stopped without a message.")
                                             : ToolMessage(err)));
}
