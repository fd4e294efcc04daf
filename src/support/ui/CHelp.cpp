#include "support/ui/CHelp.h"

#include "platform/Prompter.h"
#include "support/HelpPage.h"

#include <QDesktopServices>
#include <QDir>

UrlOpener DesktopOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

bool CHelp::Show(const QString& helpFile, const QString& windowName, std::optional<int> contextId,
                 Prompter* ui, const UrlOpener& open) {
    const QUrl page = HelpPage(helpFile, windowName, contextId);
    if (open(page))
        return true;
    if (ui)
        ui->inform(QStringLiteral("No web browser could be started to show the help.\r\n\r\n"
                                  "The help page is ") +
                       QDir::toNativeSeparators(page.toLocalFile()),
                   QStringLiteral("Help"), MsgIcon::Exclamation);
    return false;
}
