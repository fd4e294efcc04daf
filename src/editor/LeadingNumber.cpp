#include "editor/LeadingNumber.h"

#include <algorithm>

int LeadingNumber(const QString& text) {
    constexpr int kSaturated = 1'000'000;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = std::min(kSaturated, value * 10 + (c.unicode() - u'0'));
    }
    return value;
}
