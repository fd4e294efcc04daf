#pragma once

#include <QSize>
#include <QString>

// The width and height a picture file declares in its header (JPEG, PNG, GIF
// or BMP), read without decoding it: a few hundred bytes for most files.
// An invalid size when the file is missing, of another format or malformed.
QSize PictureDimensions(const QString& path);
