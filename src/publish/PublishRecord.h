#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// The record of a published show, kept beside it on the remote as
// kRecordName: every file this tool sent there, with its size and SHA-256.
// The next publish reads it back to send only what changed, to remove what the
// show no longer has, and to know which files on the remote are not its own.
inline const QString kRecordName = QStringLiteral("publish.json");

struct RecordEntry {
    qint64 size = 0;
    // Lower-case hexadecimal; empty while the file's arrival is not confirmed
    // (a publish that stopped half way), so the next one sends it again.
    QByteArray sha256;

    friend bool operator==(const RecordEntry&, const RecordEntry&) = default;
};

// Path inside the show folder, with "/" separators -> entry.
using PublishRecord = QMap<QString, RecordEntry>;

QByteArray RecordJson(const PublishRecord& record);
// The record read back, or nullopt when the text is not one. Paths that
// leave the show folder (absolute, "..") are dropped: the record comes from
// the remote and is not trusted.
std::optional<PublishRecord> ReadRecord(const QByteArray& json);

// Every regular file below `folder`, with its size and SHA-256 (hashed on
// every core). Returns nullopt with `error` set when a file cannot be read.
std::optional<PublishRecord> ScanFolder(const QString& folder, QString* error = nullptr);
