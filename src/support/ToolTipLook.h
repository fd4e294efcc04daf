#pragma once

#include "project/ColorValue.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The shapes a tooltip manager draws its tips in.
enum TipStyle : qint32 { kRectangleTip = 1, kBalloonTip = 2 };

// How a tooltip manager's tips look and behave. The defaults are those of a
// new manager: black text on pale yellow, half a second's hover before a tip
// appears, two seconds on screen, at most 300 pixels wide, rectangular.
struct ToolTipLook {
    ColorValue TxtColor = 0x000000;
    ColorValue BkColor = 0xEEFFFF;
    qint32 VisibleTime = 2000; // milliseconds
    qint32 DelayTime = 500;    // milliseconds
    qint32 TipWidth = 300;     // pixels; longer lines wrap
    qint32 Style = kRectangleTip;
};

// The lines of a tip: CR LF (or a lone LF) starts a new line.
QStringList TipLines(const QString& text);
