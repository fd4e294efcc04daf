#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// rclone's JSON log (--use-json-log): the statistics it prints every second
// (--stats 1s -v) and the errors it reports.

struct TransferStats {
    qint64 bytes = 0;
    qint64 totalBytes = 0;
    int transfers = 0;
    int totalTransfers = 0;
    double speed = 0; // bytes a second
};

// What one line of rclone's standard error says.
struct RcloneLogLine {
    std::optional<TransferStats> stats;
    // An error or a plain fatal line ("Failed to create file system ..."),
    // as plain text; empty for anything else.
    QString error;
};

RcloneLogLine ReadRcloneLogLine(const QByteArray& line);

// Why an rclone run failed, in plain words.
enum class RcloneTrouble {
    Missing,       // rclone is not installed
    UnknownRemote, // no such remote in the configuration
    Refused,       // the server refused the user name or password
    NotAnswering,  // the server does not answer
    Full,          // no room left on the remote
    Other,
};

RcloneTrouble ClassifyRcloneError(const QString& message);
// The sentence the user reads for it; `remote` names the remote.
QString TroubleText(RcloneTrouble trouble, const QString& remote);
