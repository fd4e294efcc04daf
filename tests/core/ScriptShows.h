#pragma once

#include "compiler/PixNames.h"
#include "compiler/ScriptParts.h"
#include "platform/FilePaths.h"
#include "project/SlideShowProject.h"

#include <QString>
#include <QStringList>

// Small shows for the page writer and allcode.js tests.
enum class Background { OnePicture, PicturePerSlide, OneColor, ColorPerSlide };

inline void SetBackground(ShowSettings& s, Background mode) {
    s.UseColTrueUsePicFalse = mode == Background::OneColor || mode == Background::ColorPerSlide;
    s.SameBkColorEverySlide = mode == Background::OneColor;
    s.optIntBkImgOptionForm = mode == Background::PicturePerSlide ? 1 : 0;
}

// `pictures` slides named after the given paths; slide k gets caption "Slide k",
// background picture /backs/back<k>.GIF and colours made of k.
// Fills the compile's name table as a compile would for sources whose
// content is what their extension says (the page writers take their names
// from it).
inline void SettleNamesAsNamed(SlideShowProject& p) {
    const auto format = [](const QString& path) {
        const QString ext = FileExtension(path).toLower();
        return ext == u".gif"    ? PictureFormat::Gif
               : ext == u".png"  ? PictureFormat::Png
               : ext == u".bmp"  ? PictureFormat::Bmp
               : ext == u".webp" ? PictureFormat::WebP
                                 : PictureFormat::Jpeg;
    };
    const auto name = [&](const QString& stem, const QString& path) {
        return path.isEmpty() ? QString() : stem + PixPictureExtension(path, format(path));
    };
    PixFiles& pix = p.names.pix;
    pix = PixFiles{};
    pix.settled = true;
    const BackgroundMode mode = BackgroundModeOf(p.settings);
    for (int k = 1; k <= p.SlideCount(); ++k) {
        pix.pictures << name(QStringLiteral("pic%1").arg(k), p.slide(k).PicturePath);
        pix.backgrounds << (mode == BackgroundMode::PicturePerSlide
                                ? name(QStringLiteral("bkimg%1").arg(k), p.slide(k).BkPicture)
                                : QString());
    }
    if (mode == BackgroundMode::OnePicture)
        pix.sharedBackground = name(QStringLiteral("bgimg"), p.slot(0).BkPicture);
    const QString song = p.settings.SongPath;
    if (!song.isEmpty())
        pix.song = QStringLiteral("thesong") + FileExtension(song).toLower();
    const QString opening = GetJustFileName(p.settings.OpenPgBkPic).toLower();
    pix.openingPicture = opening.left(opening.size() - FileExtension(opening).size()) +
                         PixPictureExtension(opening, format(opening));
    pix.fullSizes.resize(p.SlideCount());
    pix.thumbSizes.resize(p.SlideCount());
    pix.phoneSizes.resize(p.SlideCount());
}

inline SlideShowProject MakeShow(const QStringList& pictures, Background mode) {
    SlideShowProject p;
    p.GrowSlots();
    SetBackground(p.settings, mode);
    p.settings.NumSecDelay = 4;
    p.settings.AmountOfSlidesFFRev = 3;
    p.settings.FontInUse = QStringLiteral("Times New Roman");
    p.settings.FontSizeInUse = QStringLiteral("16");
    for (const QString& path : pictures) {
        p.AppendPicture(path);
        const int k = p.SlideCount();
        Slide& s = p.slide(k);
        s.Caption = QStringLiteral("Slide %1").arg(k);
        s.BkPicture = QStringLiteral("/backs/back%1.GIF").arg(k);
        const QString kk = QStringLiteral("%1").arg(k % 100, 2, 10, QLatin1Char('0'));
        s.PicBackColor = QStringLiteral("&H0000") + kk;
        s.CapForeColor = QStringLiteral("&H00") + kk + QStringLiteral("00");
        s.CapBackColor = QStringLiteral("&H") + kk + QStringLiteral("0000");
    }
    SettleNamesAsNamed(p);
    return p;
}

inline SlideShowProject MakeShow(int slides, Background mode,
                                 const QString& folder = QStringLiteral("/pics")) {
    QStringList paths;
    for (int k = 1; k <= slides; ++k)
        paths << QStringLiteral("%1/photo%2.jpg").arg(folder).arg(k);
    return MakeShow(paths, mode);
}
