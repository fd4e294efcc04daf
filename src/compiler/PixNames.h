#pragma once

#include "compiler/PageText.h"
#include "platform/FilePaths.h"

#include <QString>

// The names the copies in the show's pix folder take, from the source file's
// extension. The output folder copies under these names and the pages refer
// to them, so both sides must build them here.

// Slide k's picture: "pic" + k + extension.
inline QString PixPictureName(int k, const QString& source) {
    return QStringLiteral("pic") + IntText(k) + FileExtension(source);
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
    return QStringLiteral("bkimg") + IntText(k) + FileExtension(source);
}
// The one background picture every slide shares: "bgimg" + extension.
inline QString PixSharedBackgroundName(const QString& source) {
    return QStringLiteral("bgimg") + FileExtension(source);
}
// The background song: "thesong" + extension.
inline QString PixSongName(const QString& source) {
    return QStringLiteral("thesong") + FileExtension(source);
}
