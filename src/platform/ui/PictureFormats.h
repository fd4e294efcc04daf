#pragma once

#include <QStringList>

// The picture formats the tool takes (see HasPictureExtension), as far as the
// image readers of this system read them: PNG, BMP, GIF and JPEG always, WebP
// and TIFF with Qt's image-format plugins, HEIC and HEIF with the program's
// own plugin (built only with libheif).

// Whether this system reads pictures of the format Qt names `format` ("webp",
// "tiff", "heic").
bool ReadsPictureFormat(const char* format);

// The filters of the picture dialogs, first the one for every picture the
// tool takes here ("Picture Files (jpg gif bmp png webp tif heic)"), then
// one per format; a format this system does not read is left out.
QStringList PictureFileFilters();
