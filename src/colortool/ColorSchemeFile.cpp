#include "colortool/ColorSchemeFile.h"

#include "platform/RegularFile.h"
#include "project/ColorText.h"

#include <QDir>
#include <QFileInfo>
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
        line = close < 0 ? line.mid(1) : line.mid(1, close - 1);
    }
    // "#RRGGBB", as web pages write colours.
    if (line.startsWith(QLatin1Char('#')))
        line.remove(0, 1);
    return line;
}

// Scheme files are small; a huge file is not a scheme file.
constexpr qint64 kMaxSchemeBytes = 1024 * 1024;
} // namespace

ColorSchemeRead ReadColorScheme(const QString& path, int count) {
    ColorSchemeRead result;
    const auto bytes = ReadRegularFile(path, kMaxSchemeBytes);
    if (!bytes)
        return result;
    QStringList lines = DecodeOutsideText(*bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the line end of the last record
    bool allColors = true;
    for (int k = 0; k < count && k < lines.size(); ++k) {
        QString line = lines.at(k);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const auto color = ColorFromSchemeField(FieldOf(line));
        allColors = allColors && color.has_value();
        result.colors.append(color);
        result.lines.append(line);
    }
    result.complete = allColors && result.colors.size() == count;
    return result;
}

bool WriteColorScheme(const QString& path, const QList<ColorValue>& colors,
                      const QStringList& kept) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text;
    for (qsizetype k = 0; k < colors.size(); ++k) {
        bool bgr = false;
        if (k < kept.size() && !kept.at(k).isNull())
            text += kept.at(k).toUtf8() + "\r\n";
        else
            text += '"' + ColorToHex(colors.at(k), bgr).toLatin1() + "\"\r\n";
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
        colors[static_cast<std::size_t>(k)] = read.colors.at(k).value_or(kWindowFaceColor);
    return colors;
}

bool SaveUserColors(const QString& folder, const UserColors& colors) {
    const QString path = QDir(folder).filePath(kUserColorsFile);
    // Something that is not a file in its place (a FIFO) is not replaced.
    if (QFileInfo::exists(path) && !IsRegularFile(path))
        return false;
    const ColorSchemeRead before = ReadColorScheme(path, kUserColorCount);
    QStringList kept;
    for (qsizetype k = 0; k < before.colors.size(); ++k)
        kept.append(!before.colors.at(k) && colors.at(std::size_t(k)) == kWindowFaceColor
                        ? before.lines.at(k)
                        : QString());
    return WriteColorScheme(path, QList<ColorValue>(colors.begin(), colors.end()), kept);
}
