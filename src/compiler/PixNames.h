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
