#pragma once

#include <QString>

// The path up to and including its last folder separator ("\" or "/"); empty
// when there is none.
QString GetFileDirectory(const QString& path);
// Whether the file name ends in one of the picture extensions the tool takes:
// .bmp, .gif, .jpg or .jpeg, in any case.
bool HasPictureExtension(const QString& path);
