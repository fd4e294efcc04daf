#pragma once

#include "project/ColorValue.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

// Colour scheme files (".col"): one colour a line, a double-quoted RRGGBB
// text, lines ended by CR LF. "UserDefColors.col" in the program folder holds
// the 14 user colours that the main window's palette shows.

inline const QString kUserColorsFile = QStringLiteral("UserDefColors.col");
constexpr int kUserColorCount = 14;

// What an empty record stands for: the window-face colour of the system the
// files were first made on. It is kept as a real colour so it can be stored
// as colour text like any other.
constexpr ColorValue kWindowFaceColor = RgbColor(0xF0, 0xF0, 0xF0);

// One record's text, surrounding quotes removed, to a colour: the digits are
// read in red-green-blue order. Empty text is the window-face colour;
// anything but hexadecimal digits is nullopt.
std::optional<ColorValue> ColorFromSchemeField(const QString& field);

struct ColorSchemeRead {
    // The colours read in order, up to the first bad or missing record.
    QList<ColorValue> colors;
    // False when the file could not be opened, ran out before `count`
    // records or held a record that is not a colour.
    bool complete = false;
};
ColorSchemeRead ReadColorScheme(const QString& path, int count);

// Writes the colours, replacing the file only once every line is written.
bool WriteColorScheme(const QString& path, const QList<ColorValue>& colors);

using UserColors = std::array<ColorValue, kUserColorCount>;
// The colours the program ships in "UserDefColors.col".
UserColors DefaultUserColors();
// The palette at start-up: the user colour file of the folder; boxes the
// file does not fill (missing file, short file, a bad record and the records
// after it) take the window-face colour, as empty records do.
UserColors LoadUserColors(const QString& programFolder);
