#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// ffmpeg and ffprobe, run as child processes with argument lists.
struct ClipTools {
    QString ffmpeg;
    QString ffprobe;
};

// Both tools from PATH, or nullopt with `why` naming the package that holds
// them.
std::optional<ClipTools> FindClipTools(QString* why = nullptr);

// The sentence for a machine without the tools.
QString MissingClipToolsText();

// What a tool run to its end left.
struct ToolRun {
    bool started = false;
    bool timedOut = false;
    int exitCode = -1; // -1 when it crashed, was killed or never started
    QByteArray out;
    QByteArray err;

    bool ok() const { return exitCode == 0; }
};

// Runs `program` with `arguments`, no standard input, killed after
// `timeoutMs`. Blocks; meant for the quick looks (probe, checks, posters).
ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs);

// ffmpeg's message as plain text for people: its last lines, control
// characters dropped, bounded.
QString ToolMessage(const QByteArray& err);
