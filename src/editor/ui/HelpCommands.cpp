#include "editor/ui/HelpCommands.h"

#include "editor/ui/Form1.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompter.h"
#include "support/ProgramVersion.h"
#include "support/ui/CHelp.h"
#include "support/ui/EmailWindow.h"

#include <QAction>
#include <QDir>

HelpCommands::HelpCommands(Form1& form) : form(form) {
    QObject::connect(form.ui.mnuHelp, &QAction::triggered, &form, [this] { mnuHelp_Click(); });
    QObject::connect(form.ui.mnuCFaboutProg, &QAction::triggered, &form,
                     [this] { mnuCFaboutProg_Click(); });
    QObject::connect(form.ui.mnuEmail, &QAction::triggered, &form, [this] { mnuEmail_Click(); });
}

void HelpCommands::mnuHelp_Click() {
    CHelp::Show(QDir(ProgramFolder()).filePath(QStringLiteral("Pevrano.chm")),
                QStringLiteral("slideshow"), std::nullopt, &form.prompter());
}

// The toolkit's About box: the program's title, one line about it and the
// window's icon.
void HelpCommands::mnuCFaboutProg_Click() {
    form.prompter().messageBox({QStringLiteral("Pevrano Slide Show ") + ProgramVersion() +
                                    QStringLiteral("\r\nWeb-ready slide shows from your pictures."),
                                QStringLiteral("About Pevrano Slide Show"), MsgButtons::Ok,
                                MsgIcon::Application, std::nullopt});
}

void HelpCommands::mnuEmail_Click() {
    EmailWindow composer(&form, &form.prompter());
    composer.exec();
}
