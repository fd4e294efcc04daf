#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QString>

// The bytes of a generated file: its text and one CR LF. Windows-1252 when
// every character has a place in it (what browsers assume for a page without
// a charset); otherwise UTF-8 with a byte-order mark, so no caption is lost.
// With `utf8` set the text is always written as UTF-8 with a byte-order mark.
QByteArray EncodePageText(const QString& text, bool utf8 = false);
// Whether every character of the text has a Windows-1252 byte.
bool FitsWindows1252(const QString& text);

// Creates or truncates `path` and writes the encoded text.
FsResult WritePageFile(FileSystem& fs, const QString& path, const QString& text, bool utf8 = false);
