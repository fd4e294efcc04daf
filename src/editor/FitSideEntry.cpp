#include "editor/FitSideEntry.h"

#include "editor/LeadingNumber.h"
#include "project/ShowSettings.h"

qint16 FitSideEntered(const QString& text, qint16 current) {
    if (text.trimmed().isEmpty())
        return current;
    return static_cast<qint16>(qBound<int>(kFitSideMin, LeadingNumber(text), kFitSideMax));
}
