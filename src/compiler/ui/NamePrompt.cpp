#include "compiler/ui/NamePrompt.h"

#include "compiler/NameRules.h"
#include "platform/Prompter.h"
#include "ui_NamePrompt.h"

#include <QCloseEvent>

QValidator::State NameCharFilter::validate(QString& input, int& pos) const {
    int before = 0;
    for (int i = 0; i < pos && i < input.size(); ++i)
        if (IsRefusedNameChar(input[i]))
            ++before;
    input = FilterNameText(input);
    pos -= before;
    return Acceptable;
}

NamePrompt::NamePrompt(Mode mode, Prompter& prompter, const QString& firstPageName,
                       const QDate& today, QWidget* parent, const QString& offered)
    : QDialog(parent), ui(std::make_unique<Ui::NamePrompt>()), mode(mode), ask(prompter) {
    ui->setupUi(this);
    ui->txtFileName->setValidator(new NameCharFilter(ui->txtFileName));
    connect(ui->cmdOk, &QPushButton::clicked, this, &NamePrompt::confirmName);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &NamePrompt::askToCancel);

    if (!offered.isEmpty())
        showMode(offered);
    else
        showMode(mode == Mode::PageName ? ProposedPageName(today)
                                        : ProposedFolderName(firstPageName));
}

NamePrompt::~NamePrompt() = default;

void NamePrompt::showMode(const QString& text) {
    if (mode == Mode::PageName) {
        setWindowTitle(QStringLiteral("First Html File Name?"));
        ui->Label1->setText(QStringLiteral("Please type in a name for your Html file."));
    } else {
        setWindowTitle(QStringLiteral("Folder Name?"));
        ui->Label1->setText(QStringLiteral("Please type in a name for your folder."));
    }
    ui->txtFileName->setText(FilterNameText(text));
    ui->txtFileName->selectAll();
    ui->txtFileName->setFocus();
}

void NamePrompt::confirmName() {
    if (!IsBlankName(ui->txtFileName->text())) {
        close();
        return;
    }
    showMode(mode == Mode::PageName ? kPageNamePlaceholder : kFolderNamePlaceholder);
}

void NamePrompt::askToCancel() {
    if (ask.messageBox({QStringLiteral("Are you sure you wish to cancel making this Slide Show?"),
                        QStringLiteral("Cancel Slide Show Project?"), MsgButtons::YesNo,
                        MsgIcon::Question, std::nullopt}) != MsgResult::Yes)
        return;
    cancelledByUser = true;
    close();
}

void NamePrompt::reject() {
    askToCancel();
}

void NamePrompt::closeEvent(QCloseEvent* event) {
    const QString text = ui->txtFileName->text();
    if (IsBlankName(text)) {
        ask.messageBox({QStringLiteral("Name needed, Please type in a Name."),
                        QStringLiteral("Please type in a Name."), MsgButtons::Ok, MsgIcon::Critical,
                        std::nullopt});
        event->ignore();
        ui->txtFileName->setFocus();
    } else {
        event->accept();
        done(cancelledByUser ? QDialog::Rejected : QDialog::Accepted);
    }
    typedName = text.toLower();
}
