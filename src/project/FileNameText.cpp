#include "project/FileNameText.h"

#include <QStringView>

bool IsRefusedNameChar(QChar c) {
    static constexpr QStringView refused = u"?\\:*<>|./";
    // Control characters (NUL, tab, line ends, DEL, the C1 range) have no
    // business in a file name; NUL would even end it early.
    return refused.contains(c) || c.category() == QChar::Other_Control;
}

QString FilterNameText(const QString& text) {
    QString out = text;
    out.removeIf(IsRefusedNameChar);
    return out;
}
