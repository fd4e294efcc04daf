#pragma once

#include "compiler/PageText.h"
#include "pictures/PictureFormat.h"
#include "project/SlideShowProject.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// The names the copies in the show's pix folder take. They are settled once
// per compile, from each source's content, before anything is copied
// (SettlePixFiles); the output folder copies under them and every page
// takes them from the table it fills (p.names.pix), so both sides agree.

// Pictures every browser shows (JPEG, PNG, GIF, BMP) are copied under the
// extension of their content: their own when it names that format (".JPEG"
// gives ".jpeg"), else the format's (a PNG named ".jpg" gives ".png"). The
// other formats go into the show as JPEG: ".jpg".
QString PixPictureExtension(const QString& source, PictureFormat content);

// Songs are taken by their content only: MP3 (an ID3 tag or a frame sync),
// WAV (RIFF WAVE) and MIDI (MThd).
enum class SongFormat { Mp3, Wav, Midi };
std::optional<SongFormat> SongFormatOfContent(QByteArrayView head);
QString SongExtension(SongFormat format); // ".mp3", ".wav", ".mid"

// The thumbnail and phone size of slide k, always JPEG, in their own
// folders inside pix so the full picture keeps its name.
inline QString PixThumbName(int k) {
    return QStringLiteral("thumbs/pic") + IntText(k) + QStringLiteral(".jpg");
}
inline QString PixPhoneName(int k) {
    return QStringLiteral("phone/pic") + IntText(k) + QStringLiteral(".jpg");
}

// A source the compile leaves out, and why.
struct LeftOutSource {
    QString path;
    QString reason;
};

// Tells every picture and the song of the show by the first bytes of its
// content (whether a picture reads is for the copies to find) and fills
// p.names.pix with their names: "pic" + k, "bkimg" + k, "bgimg" and
// "thesong" with their extension by content; the opening page's picture
// keeps its base name, lower-cased, unless it begins with a dot or is a
// name the compile writes, and then is "opening" + extension. A source that
// is not what it claims is left out: its name stays empty (a slide picture
// keeps "pic<k>.jpg" for the classic pages, which still name it) and it is
// returned. A slide picture whose content announces a video clip gets
// "vid" + k + ".mp4" for the clip and "pic<k>.jpg" for its poster. The
// written sizes start invalid; the copies fill them.
QList<LeftOutSource> SettlePixFiles(SlideShowProject& p);

// The table's names, for the page writers. Slide k is 1-based.
inline QString PixPictureName(const SlideShowProject& p, int k) {
    return p.names.pix.pictures.value(k - 1);
}
inline QString PixSlideBackgroundName(const SlideShowProject& p, int k) {
    return p.names.pix.backgrounds.value(k - 1);
}
inline QString PixSharedBackgroundName(const SlideShowProject& p) {
    return p.names.pix.sharedBackground;
}
inline QString PixSongName(const SlideShowProject& p) {
    return p.names.pix.song;
}
inline QString PixOpeningPictureName(const SlideShowProject& p) {
    return p.names.pix.openingPicture;
}
// Slide k's clip in pix ("vid3.mp4"); empty for a picture.
inline QString PixClipName(const SlideShowProject& p, int k) {
    return p.names.pix.clips.value(k - 1);
}
// Whether slide k's thumbnail was written (else pages show the picture).
inline bool PixThumbWritten(const SlideShowProject& p, int k) {
    return p.names.pix.thumbSizes.value(k - 1).isValid();
}
