#include "colortool/ColorSchemeFile.h"

#include "project/ColorText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cctype>

std::optional<ColorValue> ColorFromSchemeField(const QString& field) {
    if (field.isEmpty())
        return kWindowFaceColor;
    // The text's pairs are red, green, blue; a short text leaves the later
    // pairs empty, as the files were always read.
    const QString bgr = field.mid(4, 2) + field.mid(2, 2) + field.mid(0, 2);
    const auto isHexDigit = [](QChar c) {
        return c.unicode() < 128 && std::isxdigit(c.unicode()) != 0;
    };
    if (!std::all_of(bgr.begin(), bgr.end(), isHexDigit))
        return std::nullopt;
    bool ok = false;
    const uint value = bgr.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return static_cast<ColorValue>(value & 0xFFFFFF);
}

namespace {
QString FieldOf(QString line) {
    line = line.trimmed();
    if (line.startsWith(QLatin1Char('"'))) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), 1);
        return close < 0 ? line.mid(1) : line.mid(1, close - 1);
    }
    return line;
}
} // namespace

ColorSchemeRead ReadColorScheme(const QString& path, int count) {
    ColorSchemeRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    // Scheme files are small; a huge file is not a scheme file.
    const QByteArray bytes = file.read(64 * 1024);
    QStringList lines = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the line end of the last record
    for (int k = 0; k < count; ++k) {
        if (k >= lines.size())
            return result;
        const auto color = ColorFromSchemeField(FieldOf(lines.at(k)));
        if (!color)
            return result;
        result.colors.append(*color);
    }
    result.complete = true;
    return result;
}

bool WriteColorScheme(const QString& path, const QList<ColorValue>& colors) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text;
    for (ColorValue c : colors) {
        bool bgr = false;
        text += '"' + ColorToHex(c, bgr).toLatin1() + "\"\r\n";
    }
    return file.write(text) == text.size() && file.commit();
}

UserColors DefaultUserColors() {
    return {RgbColor(0xC0, 0x39, 0x2B), RgbColor(0xE6, 0x7E, 0x22), RgbColor(0xF1, 0xC4, 0x0F),
            RgbColor(0x27, 0xAE, 0x60), RgbColor(0x16, 0xA0, 0x85), RgbColor(0x29, 0x80, 0xB9),
            RgbColor(0x8E, 0x44, 0xAD), RgbColor(0x2C, 0x3E, 0x50), RgbColor(0x7F, 0x8C, 0x8D),
            RgbColor(0xEC, 0xF0, 0xF1), RgbColor(0xFD, 0xEB, 0xD0), RgbColor(0xD5, 0xF5, 0xE3),
            RgbColor(0xD6, 0xEA, 0xF8), RgbColor(0xF5, 0xB7, 0xB1)};
}

UserColors LoadUserColors(const QString& programFolder) {
    UserColors colors;
    colors.fill(kWindowFaceColor);
    const ColorSchemeRead read =
        ReadColorScheme(QDir(programFolder).filePath(kUserColorsFile), kUserColorCount);
    for (qsizetype k = 0; k < read.colors.size(); ++k)
        colors[static_cast<std::size_t>(k)] = read.colors.at(k);
    return colors;
}
