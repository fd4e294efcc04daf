#pragma once

#include <QString>
#include <QtGlobal>

// The options window's largest width and height boxes: the number typed, kept
// within kFitSideMin..kFitSideMax; a box left empty keeps `current`.
qint16 FitSideEntered(const QString& text, qint16 current);
