#pragma once

#include "project/ColorValue.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

// Colour scheme files (".col"): one colour a line, a double-quoted RRGGBB
// text (a leading "#" is allowed), lines ended by CR LF; UTF-8 with or without
// a byte order mark, or Windows-1252. "UserDefColors.col" in the program folder holds
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
    // The records read in order, at most `count`: the colour, or nullopt for
    // a line that is not one (the lines after it are still read).
    QList<std::optional<ColorValue>> colors;
    // Each record's line as it stands in the file.
    QStringList lines;
    // False when the file could not be read (a missing file, anything but a
    // regular file, one too large to be a scheme), ran out before `count`
    // records or held a record that is not a colour.
    bool complete = false;
};
ColorSchemeRead ReadColorScheme(const QString& path, int count);

// Writes the colours, replacing the file only once every line is written.
// Where `kept` holds a line for a record, that line is written as it stands.
bool WriteColorScheme(const QString& path, const QList<ColorValue>& colors,
                      const QStringList& kept = {});

using UserColors = std::array<ColorValue, kUserColorCount>;
// The colours the program ships in "UserDefColors.col".
UserColors DefaultUserColors();
// The palette at start-up: the user colour file of the folder; boxes the
// file does not fill (missing file, short file, a line that is not a colour)
// take the window-face colour, as empty records do.
UserColors LoadUserColors(const QString& programFolder);
// Writes the user colours into the folder's user colour file. A line of the
// file that is not a colour is kept as it stands while its box still shows
// the window-face colour it was read as: what could not be read is never
// written over unless the user gave that box a colour.
bool SaveUserColors(const QString& folder, const UserColors& colors);
