#include "colortool/ChannelEntry.h"

#include "project/ColorText.h"

#include <cmath>

QString CorrectedDecimalText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0)
        return QStringLiteral("0");
    if (value > 255)
        return QStringLiteral("255");
    return text;
}

int DecimalChannel(const QString& corrected) {
    const double value = corrected.trimmed().toDouble();
    return static_cast<int>(std::nearbyint(std::clamp(value, 0.0, 255.0)));
}

QString CorrectedHexText(const QString& text) {
    QString t = text.size() < 2 ? QStringLiteral("0") + text : text;
    bool ok = false;
    t.toUInt(&ok, 16);
    if (t == QLatin1String("0") || t.size() != 2 || !ok || t.contains(QLatin1Char('+')) ||
        t.contains(QLatin1Char('-')))
        return QStringLiteral("00");
    return t;
}

bool ChannelKeyAccepted(QChar key, bool hexBox) {
    if (key == QLatin1Char('\b') || key == QLatin1Char('\r') || key == QLatin1Char('\n') ||
        key == QLatin1Char('.'))
        return true;
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
        return true;
    return hexBox && key >= QLatin1Char('A') && key <= QLatin1Char('F');
}

ColorValue SampleTextColor(int red, int green, int blue) {
    const ColorValue white = RgbColor(255, 255, 255);
    const ColorValue black = RgbColor(0, 0, 0);
    if ((red & green) > 240)
        return black;
    return blue < 200 ? white : black;
}

QString RgbHex(ColorValue color) {
    bool bgr = false;
    return ColorToHex(color, bgr);
}

QString SampleCaption(ColorValue color) {
    return QStringLiteral("Hex Value (") + RgbHex(color) + QLatin1Char(')');
}
