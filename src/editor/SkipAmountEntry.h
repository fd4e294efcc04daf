#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The options window's skip amount box (2..99 slides), as a pure rule: what
// the box should show and what the amount becomes after an edit or when the
// box is left.
struct SkipBoxUpdate {
    QString text;                 // what the box shows afterwards
    std::optional<qint16> amount; // the new AmountOfSlidesFFRev, if any
};

constexpr qint16 kSkipMin = 2;
constexpr qint16 kSkipMax = 99;

// While typing: an empty box becomes "2"; from two characters on the number
// is taken and kept within 2..99; a single digit waits for the box to be
// left.
SkipBoxUpdate SkipBoxChanged(const QString& text);
// On leaving the box: the number is taken and kept within 2..99.
SkipBoxUpdate SkipBoxLeft(const QString& text);
