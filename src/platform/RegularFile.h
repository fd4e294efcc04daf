#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QFile;

// Outside data is read only from regular files: opening a FIFO waits for a
// writer and a device may never end, so either would hang the window that
// reads it. The file is opened without waiting and checked on the open handle
// itself (it cannot be swapped between the check and the read).

// Whether path names a regular file (links followed).
bool IsRegularFile(const QString& path);

// Opens file (its name set to path) for reading when path is a regular file.
// On failure the file stays closed and `error` says why.
bool OpenRegularFile(QFile& file, const QString& path, QString* error = nullptr);

// The whole file, or nullopt when it is not a regular file, cannot be read,
// or holds more than maxBytes (a file read in part is never taken for the
// whole). `error` says why.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes,
                                          QString* error = nullptr);

// Text of outside files: UTF-8 (a leading byte order mark dropped), or
// Windows-1252 when the bytes are not UTF-8.
QString DecodeOutsideText(const QByteArray& bytes);
