#pragma once

#include "compiler/PictureFitter.h"

// Fits pictures with Qt's image readers and writers: decoding at a reduced
// size where the format allows it (JPEG shrinks by 1/2, 1/4 or 1/8 while
// decoding), then a smooth scale to the exact size. Pictures are turned
// upright by their EXIF orientation; JPEG copies are written at quality 90.
// Formats Qt cannot write (GIF) are kept as they are, animation and all.
// WebP, TIFF and HEIC pictures are always written as JPEG (WebJpeg.h).
class QtPictureFitter : public PictureFitter {
public:
    FittedPicture fit(const QString& source, QSize box) const override;
};
