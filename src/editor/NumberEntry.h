#pragma once

#include <QString>
#include <QtGlobal>

// A number box's entry once it is left: the number typed, kept within
// low..high; a box left empty keeps `current`.
qint16 EnteredNumber(const QString& text, qint16 current, qint16 low, qint16 high);
