#include "compiler/ui/frmFileName.h"

#include "compiler/NameRules.h"
#include "platform/Prompter.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QValidator::State NameCharFilter::validate(QString& input, int& pos) const {
    int before = 0;
    for (int i = 0; i < pos && i < input.size(); ++i)
        if (IsRefusedNameChar(input[i]))
            ++before;
    input = FilterNameText(input);
    pos -= before;
    return Acceptable;
}

frmFileName::frmFileName(Mode mode, Prompter& ui, const QString& firstPageName, const QDate& today,
                         QWidget* parent, const QString& offered)
    : QDialog(parent), mode(mode), ui(ui) {
    setModal(true);
    Label1 = new QLabel(this);
    txtFileName = new QLineEdit(this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->setValidator(new NameCharFilter(txtFileName));
    txtFileName->setMinimumWidth(320);
    Label2 = new QLabel(QStringLiteral("Can't use the following characters                   "
                                       "\\ / ? : * < > |."),
                        this);
    cmdOk = new QPushButton(QStringLiteral("OK!"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    // The prompt above the box names it for screen readers.
    Label1->setBuddy(txtFileName);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtFileName);
    layout->addWidget(Label2);
    layout->addLayout(buttons);

    connect(cmdOk, &QPushButton::clicked, this, &frmFileName::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFileName::cmdCancel_Click);

    if (!offered.isEmpty())
        showMode(offered);
    else
        showMode(mode == Mode::PageName ? ProposedPageName(today)
                                        : ProposedFolderName(firstPageName));
}

void frmFileName::showMode(const QString& text) {
    if (mode == Mode::PageName) {
        setWindowTitle(QStringLiteral("First Html File Name?"));
        Label1->setText(QStringLiteral("Please type in a name for your Html file."));
    } else {
        setWindowTitle(QStringLiteral("Folder Name?"));
        Label1->setText(QStringLiteral("Please type in a name for your folder."));
    }
    txtFileName->setText(FilterNameText(text));
    txtFileName->selectAll();
    txtFileName->setFocus();
}

void frmFileName::cmdOk_Click() {
    if (!IsBlankName(txtFileName->text())) {
        close();
        return;
    }
    showMode(mode == Mode::PageName ? kPageNamePlaceholder : kFolderNamePlaceholder);
}

void frmFileName::cmdCancel_Click() {
    if (ui.messageBox({QStringLiteral("Are you sure you wish to cancel making this Slide Show?"),
                       QStringLiteral("Cancel Slide Show Project?"), MsgButtons::YesNo,
                       MsgIcon::Question, std::nullopt}) != MsgResult::Yes)
        return;
    cancelledByUser = true;
    close();
}

void frmFileName::reject() {
    cmdCancel_Click();
}

void frmFileName::closeEvent(QCloseEvent* event) {
    const QString text = txtFileName->text();
    if (IsBlankName(text)) {
        ui.messageBox({QStringLiteral("Name needed, Please type in a Name."),
                       QStringLiteral("Please type in a Name."), MsgButtons::Ok, MsgIcon::Critical,
                       std::nullopt});
        event->ignore();
        txtFileName->setFocus();
    } else {
        event->accept();
        done(cancelledByUser ? QDialog::Rejected : QDialog::Accepted);
    }
    typedName = text.toLower();
}
