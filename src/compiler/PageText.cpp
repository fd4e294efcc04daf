#include "compiler/PageText.h"

namespace {
QString HexByte(int byte) {
    return QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

qsizetype LastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}
} // namespace

QString ColorToHex(ColorValue value, bool& hexInBgrOrder) {
    const QString red = HexByte(RedOf(value));
    const QString green = HexByte(GreenOf(value));
    const QString blue = HexByte(BlueOf(value));
    if (!hexInBgrOrder)
        return red + green + blue;
    hexInBgrOrder = false;
    return blue + green + red;
}

QString StoredColorText(ColorValue value) {
    bool bgr = true;
    return QStringLiteral("&H") + ColorToHex(value, bgr);
}

QString StoredColorToHtml(const QString& stored) {
    const QString d = stored.mid(2);
    return QLatin1Char('#') + d.mid(4, 2) + d.mid(2, 2) + d.mid(0, 2);
}

ColorValue StoredColorValue(const QString& stored) {
    bool ok = false;
    const uint v = stored.mid(2).toUInt(&ok, 16);
    return ok ? (v & 0xFFFFFF) : 0;
}

QString FileExtension(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < LastSeparator(path))
        return {};
    return path.mid(dot).toLower();
}

QString GetJustFileName(const QString& path) {
    return path.mid(LastSeparator(path) + 1);
}

QString ScriptBoolean(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString IntText(int value) {
    return QString::number(value);
}

QString Quoted(const QString& value) {
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString ScriptStringText(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}
