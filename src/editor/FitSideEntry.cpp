#include "editor/FitSideEntry.h"

#include "editor/LeadingNumber.h"
#include "project/ShowSettings.h"

#include <algorithm>

qint16 FitSideEntered(const QString& text, qint16 current) {
    if (text.trimmed().isEmpty())
        return current;
    return static_cast<qint16>(std::clamp<int>(LeadingNumber(text), kFitSideMin, kFitSideMax));
}
