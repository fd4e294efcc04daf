#pragma once

#include <QString>

// One slot of the slide table. Colours are colour text: "&H" + BBGGRR.
struct Slide {
    QString PicturePath;
    QString Caption;
    QString PicBackColor;
    QString CapBackColor;
    QString CapForeColor;
    QString BkPicture;

    friend bool operator==(const Slide&, const Slide&) = default;
};

inline const QString kFreshCaption = QStringLiteral("Type in your caption here.");
