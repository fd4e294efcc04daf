// The colour tool's menu and toolbar: the colour scheme window, help, exit.
#include "colortool/ui/SchemeSaveWindow.h"
#include "colortool/ui/TintaraWindow.h"
#include "platform/ProgramFolder.h"
#include "support/ui/CHelp.h"
#include "ui_TintaraWindow.h"

#include <QDir>

void TintaraWindow::connectMenu() {
    connect(ui->mnuImport, &QAction::triggered, this, &TintaraWindow::importScheme);
    connect(ui->tbImport, &QAction::triggered, this, &TintaraWindow::importScheme);
    connect(ui->mnuExport, &QAction::triggered, this, &TintaraWindow::exportScheme);
    connect(ui->tbExport, &QAction::triggered, this, &TintaraWindow::exportScheme);
    connect(ui->mnuHelp, &QAction::triggered, this, &TintaraWindow::showHelp);
    connect(ui->tbHelp, &QAction::triggered, this, &TintaraWindow::showHelp);
    connect(ui->mnuExit, &QAction::triggered, this, &TintaraWindow::hideTool);
}

void TintaraWindow::showHelp() {
    CHelp::Show(QDir(ProgramFolder()).filePath(QStringLiteral("tintara.chm")),
                QStringLiteral("tintara"), std::nullopt, &ask);
}

void TintaraWindow::showSchemes(int option) {
    if (!schemes) {
        // Owned by the main window: this window only hides while it is open.
        schemes = new SchemeSaveWindow(colors, ask, dataFolder, parentWidget());
        schemes->onClosed = [this] {
            showState();
            show();
            raise();
            activateWindow();
        };
    }
    schemes->chooseMode(option);
    schemes->show();
    schemes->raise();
    schemes->activateWindow();
    hide();
}
