#include "colortool/ui/SchemeSaveWindow.h"

#include "colortool/ListSearch.h"
#include "colortool/ui/CompletingCombo.h"
#include "platform/Prompter.h"
#include "platform/ui/NamedControl.h"
#include "ui_SchemeSaveWindow.h"

#include <QCloseEvent>

SchemeSaveWindow::SchemeSaveWindow(ColorChart& chart, Prompter& prompter, const QString& dataFolder,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::SchemeSaveWindow>()),
      commands(chart, prompter, dataFolder) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    options = {ui->optOpenSave_0, ui->optOpenSave_1};
    JoinControlArrays(this);
    ui->Combo1->setDiscardedKeys(QStringLiteral("."));
    // Loading: nothing chosen yet, so only Delete and Exit answer.
    ui->Combo1->setEnabled(false);
    ui->cmdOpen->setEnabled(false);
    ui->cmdSave->setEnabled(false);
    fillList();

    connect(options[0], &QRadioButton::clicked, this, [this] { chooseMode(0); });
    connect(options[1], &QRadioButton::clicked, this, [this] { chooseMode(1); });
    connect(ui->cmdOpen, &QPushButton::clicked, this, &SchemeSaveWindow::importScheme);
    connect(ui->cmdSave, &QPushButton::clicked, this, &SchemeSaveWindow::exportScheme);
    connect(ui->cmdDelete, &QPushButton::clicked, this, &SchemeSaveWindow::deleteScheme);
    connect(ui->cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->Combo1, &CompletingCombo::searchRequested, this, [this](const QString& text) {
        const int index = FindListPrefix(ui->Combo1->entries(), text);
        if (index >= 0)
            ui->Combo1->showEntry(index);
        else
            commands.ui().inform(QStringLiteral("Sorry, but there is no match for '") + text +
                                     QStringLiteral("'."),
                                 QStringLiteral("Find Results"));
    });
}

SchemeSaveWindow::~SchemeSaveWindow() = default;

void SchemeSaveWindow::fillList() {
    const QString first = ui->Combo1->count() > 0 ? ui->Combo1->itemText(0) : QString();
    ui->Combo1->clear();
    ui->Combo1->addItems(commands.FindFilesInSingleDir());
    ui->Combo1->setCurrentIndex(-1);
    ui->Combo1->setEditText(first);
}

void SchemeSaveWindow::chooseMode(int index) {
    modeOption(index)->setChecked(true);
    const bool open = index == 0;
    ui->cmdOpen->setEnabled(open);
    ui->cmdDelete->setEnabled(open);
    ui->cmdSave->setEnabled(!open);
    ui->Combo1->setEnabled(true);
}

void SchemeSaveWindow::apply(const SchemeCommands::Outcome& outcome) {
    if (outcome.emptyName)
        ui->Combo1->setEditText(QString());
    if (outcome.focusName)
        ui->Combo1->setFocus(Qt::OtherFocusReason);
    if (outcome.closeWindow)
        close();
}

void SchemeSaveWindow::importScheme() {
    apply(commands.importScheme(ui->Combo1->currentText()));
}

void SchemeSaveWindow::exportScheme() {
    QString name = ui->Combo1->currentText();
    const SchemeCommands::Outcome outcome = commands.exportScheme(name);
    if (!outcome.emptyName)
        ui->Combo1->setEditText(name);
    apply(outcome);
}

void SchemeSaveWindow::deleteScheme() {
    QStringList listed = ui->Combo1->entries();
    const qsizetype before = listed.size();
    const SchemeCommands::Outcome outcome =
        commands.deleteScheme(ui->Combo1->currentText(), listed);
    if (listed.size() != before) {
        ui->Combo1->clear();
        ui->Combo1->addItems(listed);
        ui->Combo1->setCurrentIndex(-1);
    }
    apply(outcome);
}

void SchemeSaveWindow::closeEvent(QCloseEvent* event) {
    if (onClosed)
        onClosed();
    event->accept();
}
