#include "project/ColorText.h"

namespace {
QString HexByte(int byte) {
    return QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
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
