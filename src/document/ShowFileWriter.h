#pragma once

#include "document/ShowFile.h"
#include "project/SlideShowProject.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSaveFile>
#include <QString>
#include <functional>
#include <optional>

// Writing show files: the keys ShowFile.h reads, with a "format" version.

// The show as a show file's JSON: the slides with all their fields, the
// show-wide values that shape the compiled show and the names last used to
// compile it. Preferences of the tool itself (tooltips, colour tool choice,
// last folders) are not part of a show. Paths beside or below `showFolder` are
// stored relative to it; an empty `showFolder` keeps every path absolute. The
// program's own pictures in `programFolder` are stored by name after
// kProgramFolderMark. `kept` is what the file held that this version does not
// know, written back unchanged.
QByteArray ShowFileJson(const SlideShowProject& project, const QString& showFolder,
                        const KeptKeys& kept = {}, const QString& programFolder = {});

// A path as a show file in `showFolder` stores it: a program picture marked,
// relative with "/" when it lies beside or below the folder, else unchanged.
QString StoredShowPath(const QString& path, const QString& showFolder,
                       const QString& programFolder = {});

// Writes one chunk of the file; returns the bytes written or -1. Tests
// replace it to fail half way.
using ChunkWriter = std::function<qint64(QSaveFile& file, const char* data, qint64 size)>;

// Replaces `path` with `bytes` atomically: the old file stays as it was until
// every byte is safely written. Returns nullopt, or the reason it failed.
std::optional<QString> SaveFileAtomically(const QString& path, const QByteArray& bytes,
                                          const ChunkWriter& write = {});
