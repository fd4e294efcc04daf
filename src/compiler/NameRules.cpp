#include "compiler/NameRules.h"

#include <QLocale>

bool IsBlankName(const QString& name) {
    return name.trimmed().isEmpty();
}

QString ProposedPageName(const QDate& today) {
    return QStringLiteral("Slide Show ") +
           QLocale(QLocale::English).toString(today, QStringLiteral("MMMM dd, yyyy"));
}

QString ProposedFolderName(const QString& firstPageName) {
    return firstPageName.isEmpty() ? kFolderNamePlaceholder : firstPageName;
}
