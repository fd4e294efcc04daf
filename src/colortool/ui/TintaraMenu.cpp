// The colour tool's menu and toolbar: the colour scheme window, help, exit.
#include "colortool/ui/frmMyColorChart.h"
#include "colortool/ui/frmSavetxt.h"
#include "platform/ProgramFolder.h"
#include "support/ui/CHelp.h"

#include <QAction>
#include <QDir>
#include <QRadioButton>

void frmMyColorChart::connectMenu() {
    ui.tbImport->setToolTip(QStringLiteral("Opens a file - Replace the U.S.Colors."));
    ui.tbExport->setToolTip(QStringLiteral("Save a file as a color scheme."));
    connect(ui.mnuImport, &QAction::triggered, this, &frmMyColorChart::mnuImport_Click);
    connect(ui.tbImport, &QAction::triggered, this, &frmMyColorChart::mnuImport_Click);
    connect(ui.mnuExport, &QAction::triggered, this, &frmMyColorChart::mnuExport_Click);
    connect(ui.tbExport, &QAction::triggered, this, &frmMyColorChart::mnuExport_Click);
    connect(ui.mnuHelp, &QAction::triggered, this, &frmMyColorChart::mnuHelp_Click);
    connect(ui.tbHelp, &QAction::triggered, this, &frmMyColorChart::mnuHelp_Click);
    connect(ui.mnuExit, &QAction::triggered, this, &frmMyColorChart::mnuExit_Click);
}

void frmMyColorChart::mnuHelp_Click() {
    CHelp::Show(QDir(ProgramFolder()).filePath(QStringLiteral("tintara.chm")),
                QStringLiteral("tintara"), std::nullopt, &ask);
}

void frmMyColorChart::showSchemes(int option) {
    if (!schemes) {
        // Owned by the main window: this window only hides while it is open.
        schemes = new frmSavetxt(colors, ask, dataFolder, parentWidget());
        schemes->onClosed = [this] {
            showState();
            show();
            raise();
            activateWindow();
        };
    }
    schemes->optOpenSave_Click(option);
    schemes->show();
    schemes->raise();
    schemes->activateWindow();
    hide();
}
