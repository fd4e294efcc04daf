#pragma once

#include "pictures/PictureEngine.h"

#include <QImage>

// The picture engine's decodes as the QImage the windows show.

// The decoded picture as an RGB888 image in sRGB (a kept RGB profile is
// converted); null when memory runs out.
QImage ToImage(const DecodedPicture& picture);

// `path` decoded in sRGB fitted within `box` (an empty box: its upright
// size), as DecodePicture does; a null image when it is refused, `refusal`
// then saying why.
QImage DecodeImage(const QString& path, QSize box, DecodeBudget* budget = nullptr,
                   QString* refusal = nullptr);
