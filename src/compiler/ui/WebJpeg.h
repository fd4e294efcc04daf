#pragma once

#include "compiler/PictureFitter.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// Pictures of the formats the show holds as JPEG (IsWrittenAsJpeg: WebP,
// TIFF, HEIC), converted: upright, transparency laid onto white, the colour
// profile kept, JPEG quality 90.

// A decoded picture, upright.
struct UprightPicture {
    QImage image;
    // The file holds more pictures (animation frames, pages); `image` is the
    // first.
    bool severalFrames = false;
};

// Decodes the picture for conversion: upright, scaled down to fit `box` when
// it is larger (an empty box keeps the full size). Nothing when it does not
// decode. This is the conversion's only decode.
std::optional<UprightPicture> DecodeForConversion(const QString& source, QSize box);

// The picture as the show's JPEG: transparency laid onto white, its colour
// profile embedded, quality 90. Empty when it cannot be encoded.
QByteArray EncodeWebJpeg(const QImage& image);

// Decodes and encodes one picture: Fitted with the JPEG, or Undecodable.
FittedPicture ConvertToWebJpeg(const QString& source, QSize box);
