#pragma once

#include "project/ShowValues.h"

#include <QString>
#include <QStringList>

// The fixed lists of the caption style preview.

// The size box's 23 sizes, smallest first.
const QStringList& FontSizeList();
// "16": what the size box falls back to.
inline constexpr int kFallbackSizeEntry = 4;
// "20": the size the box shows when no size is in use yet.
inline constexpr int kFirstOpeningSizeEntry = 6;
// The text itself when it is one of the sizes, otherwise "16".
QString CorrectedFontSize(const QString& text);

// The 60 recommended pairs, "Font 12pt", in the order shown (not sorted):
// ten fonts, each in the sizes 12 to 22.
const QStringList& RecommendedFonts();
// "Times New Roman 16pt", the default pair everywhere.
inline constexpr int kRecommendedDefault = 50;
// The font and size of an entry: the font is the entry without its last five
// characters (the blank, two digits and "pt"), the size the digits.
CaptionFont RecommendedPair(const QString& entry);

// The index of the first entry that begins with `prefix` (ignoring case),
// searching from the second entry on and wrapping around to the first, as a
// Windows combo box's string search from index 0 does; -1 when none does or
// the prefix is empty.
int FindFontEntry(const QStringList& entries, const QString& prefix);
