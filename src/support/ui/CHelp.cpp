#include "support/ui/CHelp.h"

#include "platform/ProgramFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

void CHelp::Show(const QString& helpFile, const QString& windowName, std::optional<int> contextId) {
    Q_UNUSED(helpFile);
    Q_UNUSED(contextId);
    const QString name =
        windowName.trimmed().isEmpty() ? QStringLiteral("slideshow") : windowName.trimmed();
    const QString page = QDir(ProgramFolder()).filePath(QStringLiteral("help/%1.html").arg(name));
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}
