#pragma once

#include <QJsonObject>
#include <QString>

// One slot of the slide table. Colours are colour text: "&H" + BBGGRR.
struct Slide {
    QString PicturePath;
    QString Caption;
    QString PicBackColor;
    QString CapBackColor;
    QString CapForeColor;
    QString BkPicture;
    // Keys a show file gave this slide that this version does not know; they
    // go where the caption goes, so saving writes them back with the slide.
    QJsonObject OtherKeys = {};

    friend bool operator==(const Slide&, const Slide&) = default;
};

inline const QString kFreshCaption = QStringLiteral("Type in your caption here.");
