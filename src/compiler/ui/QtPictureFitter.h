#pragma once

#include "compiler/PictureFitter.h"

// Makes the copies with Qt's image readers and writers: one decode per
// picture at a reduced size where the format allows it (JPEG shrinks by 1/2,
// 1/4 or 1/8 while decoding), then a Lanczos filter down to each exact size.
// Copies are upright (EXIF orientation applied, so the tag is gone) and keep
// the source's ICC profile. Fitted JPEG copies are written at quality 90,
// the smaller sizes at 85. Formats Qt cannot write (GIF) keep their full copy
// as it is, animation and all; their smaller sizes show the first frame.
// WebP, TIFF and HEIC pictures get a full copy as JPEG at quality 90 from the
// same decode, on white where they are transparent.
class QtPictureFitter : public PictureFitter {
public:
    PictureCopies copies(const QString& source, const PictureRequest& request) const override;
};
