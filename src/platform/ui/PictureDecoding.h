#pragma once

#include <QtGlobal>

// The program's limits on a picture's size, read from its header before any
// pixel is decoded. The windows read every picture through the picture
// engine, whose limits these are too; only the compile's own decoder still
// asks for them here.
inline constexpr qint64 kMaxPicturePixels = 250'000'000;
inline constexpr int kMaxPictureSide = 40'000;
