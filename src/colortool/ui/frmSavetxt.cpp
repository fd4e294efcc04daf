#include "colortool/ui/frmSavetxt.h"

#include "colortool/ListSearch.h"
#include "colortool/ui/CompletingCombo.h"
#include "platform/Prompter.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmSavetxt::frmSavetxt(ColorChart& chart, Prompter& prompter, const QString& dataFolder,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), commands(chart, prompter, dataFolder) {
    setObjectName(QStringLiteral("frmSavetxt"));
    setWindowTitle(QStringLiteral("Save/Replace/Delete the User Defined Color Scheme Files"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    // Loading: nothing chosen yet, so only Delete and Exit answer.
    Combo1->setEnabled(false);
    cmdOpen->setEnabled(false);
    cmdSave->setEnabled(false);
    fillList();

    connect(optOpenSave[0], &QRadioButton::clicked, this, [this] { optOpenSave_Click(0); });
    connect(optOpenSave[1], &QRadioButton::clicked, this, [this] { optOpenSave_Click(1); });
    connect(cmdOpen, &QPushButton::clicked, this, &frmSavetxt::cmdOpen_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSavetxt::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSavetxt::cmdDelete_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(Combo1, &CompletingCombo::searchRequested, this, [this](const QString& text) {
        const int index = FindListPrefix(Combo1->entries(), text);
        if (index >= 0)
            Combo1->showEntry(index);
        else
            commands.ui().inform(QStringLiteral("Sorry, but there is no match for '") + text +
                                     QStringLiteral("'."),
                                 QStringLiteral("Find Results"));
    });
}

void frmSavetxt::build() {
    auto* options = new QGroupBox(QStringLiteral("Select an Option"));
    auto* optionRows = new QVBoxLayout(options);
    optOpenSave[0] = new QRadioButton(QStringLiteral("Import a Color Scheme (Open File)"));
    optOpenSave[0]->setToolTip(
        QStringLiteral("Replace the User Defined Colors with this files Colors"));
    optOpenSave[1] = new QRadioButton(QStringLiteral("Export a Color Scheme (Save File)"));
    optOpenSave[1]->setToolTip(QStringLiteral("Open New/Change File to Save a Color Scheme."));
    for (int i = 0; i < 2; ++i) {
        optOpenSave[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("optOpenSave"));
        optOpenSave[static_cast<std::size_t>(i)]->setProperty("Index", i);
        optionRows->addWidget(optOpenSave[static_cast<std::size_t>(i)]);
    }
    Label1 = new QLabel(QStringLiteral("Type in/Select a file name  for your Color Scheme"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new CompletingCombo;
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setDiscardedKeys(QStringLiteral("."));
    Combo1->setAccessibleName(QStringLiteral("Color Scheme file name"));
    Label1->setBuddy(Combo1);
    const auto button = [](const QString& text, const char* name) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdOpen = button(QStringLiteral("Import..."), "cmdOpen");
    cmdSave = button(QStringLiteral("Export..."), "cmdSave");
    cmdDelete = button(QStringLiteral("Delete"), "cmdDelete");
    cmdExit = button(QStringLiteral("Exit"), "cmdExit");
    Label2 = new QLabel(QStringLiteral("Import - Open a File - Replaces the User Defined Colors\n"
                                       "Export - Saves  the current User Defined Colors to this "
                                       "File."));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdOpen, cmdSave, cmdDelete, cmdExit})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addWidget(Label1);
    layout->addWidget(Combo1);
    layout->addLayout(buttons);
    layout->addWidget(Label2);
    setMinimumWidth(440);
}

void frmSavetxt::fillList() {
    const QString first = Combo1->count() > 0 ? Combo1->itemText(0) : QString();
    Combo1->clear();
    Combo1->addItems(commands.FindFilesInSingleDir());
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(first);
}

void frmSavetxt::optOpenSave_Click(int index) {
    optOpenSave[index == 1 ? 1 : 0]->setChecked(true);
    const bool open = index == 0;
    cmdOpen->setEnabled(open);
    cmdDelete->setEnabled(open);
    cmdSave->setEnabled(!open);
    Combo1->setEnabled(true);
}

void frmSavetxt::apply(const SchemeCommands::Outcome& outcome) {
    if (outcome.emptyName)
        Combo1->setEditText(QString());
    if (outcome.focusName)
        Combo1->setFocus(Qt::OtherFocusReason);
    if (outcome.closeWindow)
        close();
}

void frmSavetxt::cmdOpen_Click() {
    apply(commands.cmdOpen_Click(Combo1->currentText()));
}

void frmSavetxt::cmdSave_Click() {
    QString name = Combo1->currentText();
    const SchemeCommands::Outcome outcome = commands.cmdSave_Click(name);
    if (!outcome.emptyName)
        Combo1->setEditText(name);
    apply(outcome);
}

void frmSavetxt::cmdDelete_Click() {
    QStringList listed = Combo1->entries();
    const qsizetype before = listed.size();
    const SchemeCommands::Outcome outcome = commands.cmdDelete_Click(Combo1->currentText(), listed);
    if (listed.size() != before) {
        Combo1->clear();
        Combo1->addItems(listed);
        Combo1->setCurrentIndex(-1);
    }
    apply(outcome);
}

void frmSavetxt::closeEvent(QCloseEvent* event) {
    if (onClosed)
        onClosed();
    event->accept();
}
