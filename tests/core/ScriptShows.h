#pragma once

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
    return p;
}

inline SlideShowProject MakeShow(int slides, Background mode) {
    QStringList paths;
    for (int k = 1; k <= slides; ++k)
        paths << QStringLiteral("/pics/photo%1.jpg").arg(k);
    return MakeShow(paths, mode);
}
