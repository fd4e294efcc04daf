#pragma once

#include "project/ColorValue.h"

#include <QString>
#include <QStringList>
#include <optional>

inline const QString kNamedColorsFile = QStringLiteral("ListBoxColorNames.txt");
// Names past this many are not read.
constexpr int kMaxNamedColors = 501;

// The named colours of the colour tool: "ListBoxColorNames.txt" holds one
// record a line, the name and a value text separated by a comma, whose
// characters 3 to 8 are the colour as RRGGBB (the first two are not read,
// so "0xFF8000" and "&HFF8000" serve alike).
struct NamedColors {
    QStringList names;
    QStringList values; // same index as names
};

// Reads the records up to the end of the file, the 501st record, or the
// first record whose value text is empty (which is still taken). A missing
// file, or anything but a regular file, gives an empty list. The text is
// UTF-8, or Windows-1252 when it is not UTF-8, as the scheme files are.
NamedColors ReadNamedColors(const QString& path);

// The colour of a value text; nullopt when characters 3 to 8 are not six
// hexadecimal digits.
std::optional<ColorValue> NamedColorValue(const QString& valueText);
