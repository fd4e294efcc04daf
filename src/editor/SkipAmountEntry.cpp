#include "editor/SkipAmountEntry.h"

#include "editor/LeadingNumber.h"

namespace {
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
