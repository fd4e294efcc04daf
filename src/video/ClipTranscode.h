#pragma once

#include "video/ClipInfo.h"
#include "video/ClipOutputFile.h"
#include "video/ClipPlan.h"
#include "video/ClipTools.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <optional>

// One clip to make.
struct ClipJob {
    ClipTools tools;
    QString input;
    ClipInfo clip;
    ClipPlan plan;
    QString output; // the final name; nothing appears there until the clip is whole
};

// The seconds encoded that one line of ffmpeg's -progress output reports
// (out_time_us, or out_time_ms, which ffmpeg also gives in microseconds);
// nullopt for other lines.
std::optional<double> ProgressSeconds(QByteArrayView line);

// Runs ffmpeg for one clip at a time, in the background of the event loop:
// reports the seconds encoded, stops at once when cancelled, and places the
// result under its final name only when ffmpeg succeeded.
class ClipTranscode : public QObject {
    Q_OBJECT
public:
    explicit ClipTranscode(QObject* parent = nullptr);
    ~ClipTranscode() override;

    // Starts `job`; false with failed() emitted when ffmpeg cannot start or
    // its temporary file cannot be made. False and no signal while another
    // job runs: one clip at a time.
    bool start(const ClipJob& job);
    // Stops ffmpeg at once and removes what it wrote. No signal follows.
    void cancel();
    bool running() const { return process != nullptr; }

signals:
    // `seconds` of the clip's `duration` are done.
    void progressed(double seconds, double duration);
    // The clip is whole under its final name.
    void finished(const QString& output);
    // One or more sentences of plain text.
    void failed(const QString& message);

private:
    void readProgress();
    void readErrors();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void stop();

    QProcess* process = nullptr; // a child while it runs
    std::optional<ClipOutputFile> file;
    double duration = 0;
    QByteArray pending; // a progress line not yet ended
    QByteArray errors;  // ffmpeg's last messages
};
