#pragma once

#include <QString>
#include <QStringList>

// File names and folders as the tool takes them apart and joins them. Both
// "\" and "/" separate folders; the paths the tool builds use "/".

// The extension with its dot, lower-cased: the text from the last "." of the
// file name. A file name without a dot has none ("").
QString FileExtension(const QString& path);
// The part after the last folder separator, case unchanged.
QString GetJustFileName(const QString& path);
// The path up to and including its last folder separator; empty when there is
// none.
QString GetFileDirectory(const QString& path);
// The directory with exactly one "/" at its end: "/srv" -> "/srv/", "/" -> "/".
QString WithTrailingSeparator(const QString& directory);
// The folder joined with a name: a separator is put between them only when
// the folder does not end with one.
QString InFolder(const QString& folder, const QString& name);
// Whether the file name ends in one of the picture extensions the tool takes,
// in any case: .bmp, .gif, .jpg, .jpeg, .png, .webp, .tif, .tiff, .heic, .heif
// or .avif. (Whether the file is a picture is for its content to say.)
bool HasPictureExtension(const QString& path);
// The same extensions as name patterns ("*.bmp", ...), for folder listings.
QStringList PictureNamePatterns();
