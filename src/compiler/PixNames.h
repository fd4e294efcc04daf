#pragma once

#include "compiler/PageText.h"
#include "platform/FilePaths.h"

#include <QString>

// The names the copies in the show's pix folder take, from the source file's
// extension. The output folder copies under these names and the pages refer
// to them, so both sides must build them here.

// Pictures of the formats that not every browser (nor the applet) shows go
// into the show as JPEG: WebP, TIFF, HEIC and HEIF, by their extension.
inline bool IsWrittenAsJpeg(const QString& source) {
    const QString ext = FileExtension(source);
    return ext == u".webp" || ext == u".tif" || ext == u".tiff" || ext == u".heic" ||
           ext == u".heif";
}
// The extension of a picture's copy in pix: the source's own, or ".jpg" for
// a picture written as JPEG.
inline QString PixPictureExtension(const QString& source) {
    return IsWrittenAsJpeg(source) ? QStringLiteral(".jpg") : FileExtension(source);
}

// Slide k's picture: "pic" + k + extension.
inline QString PixPictureName(int k, const QString& source) {
    return QStringLiteral("pic") + IntText(k) + PixPictureExtension(source);
}
// Slide k's thumbnail and phone size, always JPEG, in their own folders
// inside pix so the full picture keeps its name.
inline QString PixThumbName(int k) {
    return QStringLiteral("thumbs/pic") + IntText(k) + QStringLiteral(".jpg");
}
inline QString PixPhoneName(int k) {
    return QStringLiteral("phone/pic") + IntText(k) + QStringLiteral(".jpg");
}
// Slide k's own background picture: "bkimg" + k + extension.
inline QString PixSlideBackgroundName(int k, const QString& source) {
    return QStringLiteral("bkimg") + IntText(k) + PixPictureExtension(source);
}
// The one background picture every slide shares: "bgimg" + extension.
inline QString PixSharedBackgroundName(const QString& source) {
    return QStringLiteral("bgimg") + PixPictureExtension(source);
}
// The opening page's picture keeps its own name, lower-cased; one written as
// JPEG ends in ".jpg" instead of its own extension.
inline QString PixOpeningPictureName(const QString& source) {
    const QString name = GetJustFileName(source).toLower();
    if (!IsWrittenAsJpeg(source))
        return name;
    return name.left(name.size() - FileExtension(source).size()) + QStringLiteral(".jpg");
}
// The background song: "thesong" + extension.
inline QString PixSongName(const QString& source) {
    return QStringLiteral("thesong") + FileExtension(source);
}
