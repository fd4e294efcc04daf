#include "editor/NumberEntry.h"

#include "editor/LeadingNumber.h"

#include <algorithm>

qint16 EnteredNumber(const QString& text, qint16 current, qint16 low, qint16 high) {
    if (text.trimmed().isEmpty())
        return current;
    return static_cast<qint16>(std::clamp<int>(LeadingNumber(text), low, high));
}
