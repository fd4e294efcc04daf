#pragma once

#include "pictures/PictureEngine.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// Pictures as the windows show them, read by the picture engine: identified
// by their content, upright, in sRGB, transparent parts on white, and
// decoded at the size they are shown (JPEG, WebP and HEIF shrink while they
// load). Every function is safe to call from worker threads.

// The upright size the header gives, when the file is a picture the engine
// reads within its format's limits.
std::optional<QSize> ShownSize(const QString& path);

// The picture fitted into box (keeping proportions); a null image when it
// cannot be shown.
QImage DecodeToFit(const QString& path, QSize box);
// The picture scaled to cover box (keeping proportions), for backgrounds.
QImage DecodeToCover(const QString& path, QSize box);
// The picture stretched to exactly size, proportions not kept (the picture
// sorter's thumbnails).
QImage DecodeToSize(const QString& path, QSize size);

// Whether the picture can be shown: its content is a format the engine reads
// within its limits, and (but for JPEG, whose header is read up to the first
// scan and which shows whatever data follows) its pixels decode.
bool CanShowPicture(const QString& path);

// The filters of the picture dialogs: first the one for every format the
// engine reads, then one per format.
QStringList PictureFileFilters();
