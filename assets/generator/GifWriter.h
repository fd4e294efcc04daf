#pragma once

#include <QByteArray>
#include <QImage>

// Qt reads GIF but cannot write it; this writes one frame as GIF89a with a
// 256-entry colour table and LZW-compressed pixels.

// The image must be Format_Indexed8 with at most 256 colours.
QByteArray EncodeGif(const QImage& indexed);

// An indexed copy of the picture: its own colours exactly when it has at most
// 256 of them (in order of first appearance), otherwise a 6x7x6 colour cube
// with ordered dithering. Both are deterministic.
QImage ToIndexed(const QImage& picture);
