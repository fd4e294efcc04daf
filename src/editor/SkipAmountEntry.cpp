#include "editor/SkipAmountEntry.h"

namespace {
// The value of the leading digits; saturates instead of overflowing, since a
// pasted run of digits can be any length.
int LeadingNumber(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = std::min(value * 10 + (c.unicode() - '0'), 100000);
    }
    return value;
}

SkipBoxUpdate Clamped(const QString& text) {
    const int n = LeadingNumber(text);
    if (n > kSkipMax)
        return {QString::number(kSkipMax), kSkipMax};
    if (n < kSkipMin)
        return {QString::number(kSkipMin), kSkipMin};
    return {text, static_cast<qint16>(n)};
}
} // namespace

SkipBoxUpdate SkipBoxChanged(const QString& text) {
    if (text.isEmpty())
        return {QString::number(kSkipMin), std::nullopt};
    if (text.size() < 2)
        return {text, std::nullopt};
    return Clamped(text);
}

SkipBoxUpdate SkipBoxLeft(const QString& text) {
    if (text.isEmpty())
        return {QString::number(kSkipMin), kSkipMin};
    return Clamped(text);
}
