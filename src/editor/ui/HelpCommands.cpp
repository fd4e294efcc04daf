#include "editor/ui/HelpCommands.h"

#include "editor/ui/MainWindow.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompter.h"
#include "support/ProgramVersion.h"
#include "support/ui/CHelp.h"
#include "support/ui/EmailWindow.h"

#include <QAction>
#include <QDir>

HelpCommands::HelpCommands(MainWindow& form) : form(form) {
    QObject::connect(form.ui.mnuHelp, &QAction::triggered, &form, [this] { showHelp(); });
    QObject::connect(form.ui.mnuCFaboutProg, &QAction::triggered, &form, [this] { showAbout(); });
    QObject::connect(form.ui.mnuEmail, &QAction::triggered, &form, [this] { openEmail(); });
}

void HelpCommands::showHelp() {
    CHelp::Show(QDir(ProgramFolder()).filePath(QStringLiteral("Pevrano.chm")),
                QStringLiteral("slideshow"), std::nullopt, &form.prompter());
}

// The toolkit's About box: the program's title, one line about it and the
// window's icon.
void HelpCommands::showAbout() {
    form.prompter().messageBox({QStringLiteral("Pevrano Slide Show ") + ProgramVersion() +
                                    QStringLiteral("\r\nWeb-ready slide shows from your pictures."),
                                QStringLiteral("About Pevrano Slide Show"), MsgButtons::Ok,
                                MsgIcon::Application, std::nullopt});
}

void HelpCommands::openEmail() {
    EmailWindow composer(&form, &form.prompter());
    composer.exec();
}
