#pragma once

#include "project/ColorValue.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

// Show-wide values (the tool's own preferences are apart, in
// ToolPreferences). Counters are signed 16-bit like every number the project
// holds; Flashing is 1 (on) or 0 (off).
struct ShowSettings {
    QString FontInUse;
    QString FontSizeInUse;
    qint16 NumSecDelay = 3;
    qint16 AmountOfSlidesFFRev = 3;
    bool UseColTrueUsePicFalse = true;
    bool SameBkColorEverySlide = true;
    qint16 optIntBkImgOptionForm = 0;
    qint16 Flashing = 1;
    QString SongPath;
    QString OpenPgBkPic;
    QString NewBkPicture;
    QString TitleMessage;
    ColorValue CaptionForeColor = 0x000000;
    ColorValue CaptionBackColor = 0xFFFF80;
    ColorValue CaptionFrameColor = 0xFF99CC;
    ColorValue NewSlideBackColor = 0xC100FF;
    // 0 forward, 1 fast forward, 2 auto run, 3 rewind, 4 back.
    std::array<ColorValue, 5> ButtonColors{0x000000, 0xFF0000, 0x00FF00, 0xFF0000, 0x000000};
    // Slide pictures larger than FitWidth x FitHeight are compiled as copies
    // scaled down to fit; off, every picture is copied as it is.
    bool FitPictures = false;
    qint16 FitWidth = 1920;
    qint16 FitHeight = 1080;
    // Every slide picture also gets a thumbnail (pix/thumbs) and, when it is
    // larger than a phone screen, a phone size (pix/phone). Off for shows
    // stored without it, so their output stays as it was; the window turns
    // it on for the shows it starts.
    bool PictureSizes = false;
    // Compile also writes the player page (index.html) with its script and
    // style in pix. Off for show files without the key, so their output stays
    // as it was; a show started in the window turns it on (SetNewShowChoices).
    bool Player = false;
    // The room the compile's cache of picture sizes may take on disk, in
    // megabytes; 0: no cache.
    qint16 SizesCacheMB = 1024;

    // The values of a first start, when nothing has been stored yet: the
    // default pictures live in the program folder.
    static ShowSettings FirstStart(const QString& programFolder);

    friend bool operator==(const ShowSettings&, const ShowSettings&) = default;
};

// The choices a show started in the window has on, where a show file that
// does not name them has them off.
inline void SetNewShowChoices(ShowSettings& s) {
    s.PictureSizes = true;
    s.Player = true;
}

// Whether a compile writes the thumbnails and phone sizes: the one place
// that decides it, for the copies and for the pages that show them. The
// player page needs them.
inline bool WantsPictureSizes(const ShowSettings& s) {
    return s.PictureSizes || s.Player;
}

// The range of the fitted pictures' largest width and height, in pixels.
constexpr qint16 kFitSideMin = 100;
constexpr qint16 kFitSideMax = 9999;
// The range of the cache of picture sizes, in megabytes.
constexpr qint16 kSizesCacheMin = 0;
constexpr qint16 kSizesCacheMax = 32000;

// The names of a compile's copies in pix, settled once from the sources'
// content before anything is copied (the rules are the compiler's PixNames),
// and what the copies turned out to be, for the pages. Slide k is at k - 1.
struct PixFiles {
    bool settled = false;
    QStringList pictures;     // "pic<k>.jpg"; empty: no picture, or left out
    QStringList backgrounds;  // each slide's own background, "bkimg<k>.jpg"
    QString sharedBackground; // "bgimg.jpg"
    QString song;             // "thesong.mp3"
    QString openingPicture;   // the opening page's picture
    // A slide whose source is a video clip: "vid<k>.mp4" (its picture name
    // is then its poster's), empty for a picture; whether the clip written
    // has sound.
    QStringList clips;
    QList<bool> clipSounds;
    // Upright sizes of what was written; an invalid size: not written.
    QList<QSize> fullSizes;
    QList<QSize> thumbSizes;
    QList<QSize> phoneSizes;
};

// Names used by a compile run.
struct CompileNames {
    QString FirstPageName;  // opening page file name, without ".htm"
    QString ShowFolderName; // the show folder's name
    QString OutputFolder;   // full path of the show folder, ending in a separator
    // The names came with a show file that was opened: the window's name
    // prompts offer them instead of their own proposals.
    bool FromShow = false;
    PixFiles pix;
};
