#include "support/HelpPage.h"

#include <QDir>
#include <QFileInfo>

QUrl HelpPage(const QString& helpFile, const QString& windowName, std::optional<int> contextId) {
    QString file = helpFile.trimmed();
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir help(QFileInfo(file).absoluteDir().filePath(QStringLiteral("help")));
    QString page = help.filePath(windowName.trimmed() + QStringLiteral(".html"));
    if (windowName.trimmed().isEmpty() || !QFileInfo(page).isFile())
        page = help.filePath(QStringLiteral("slideshow.html"));
    QUrl url = QUrl::fromLocalFile(page);
    if (contextId)
        url.setFragment(QStringLiteral("topic%1").arg(*contextId));
    return url;
}
