#include "support/ui/CHelp.h"

#include "support/HelpPage.h"

#include <QDesktopServices>

void CHelp::Show(const QString& helpFile, const QString& windowName, std::optional<int> contextId) {
    QDesktopServices::openUrl(HelpPage(helpFile, windowName, contextId));
}
