#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Reads a picture too large for Qt's readers (a full decode past their
// allocation limit) a band of rows at a time, averaging each band down as it
// goes, so only the reduced picture is ever whole in memory. The result
// covers `wanted` (it is reduced by the largest whole factor that still
// does), not turned by any EXIF orientation. A null image for formats it
// does not read (`format` as QImageReader names it) and for damaged files.
QImage ReadLargePicture(const QString& path, const QByteArray& format, QSize wanted);
