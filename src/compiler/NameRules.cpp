#include "compiler/NameRules.h"

#include <QLocale>

bool IsRefusedNameChar(QChar c) {
    static constexpr QStringView refused = u"?\\:*<>|./";
    return refused.contains(c);
}

QString FilterNameText(const QString& text) {
    QString out = text;
    out.removeIf(IsRefusedNameChar);
    return out;
}

QString ProposedPageName(const QDate& today) {
    return QStringLiteral("Slide Show ") +
           QLocale(QLocale::English).toString(today, QStringLiteral("MMMM dd, yyyy"));
}

QString ProposedFolderName(const QString& firstPageName) {
    return firstPageName.isEmpty() ? kFolderNamePlaceholder : firstPageName;
}
