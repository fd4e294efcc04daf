#include "support/ui/frmSendEmail.h"

#include "platform/ui/QtPrompter.h"
#include "support/MailtoAddress.h"
#include "support/ui/CHelp.h"

#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

QString frmSendEmail::DefaultRecipient() {
    return QStringLiteral("support@pevrano.example");
}

frmSendEmail::frmSendEmail(QWidget* parent, Prompter* prompter)
    : QDialog(parent), openUrl(DesktopOpener()), ask(prompter) {
    if (!ask) {
        ownPrompter = std::make_unique<QtPrompter>(this);
        ask = ownPrompter.get();
    }
    setObjectName(QStringLiteral("frmSendEmail"));
    setWindowTitle(QStringLiteral("Send E-mail"));

    txtMainAddresses = new QLineEdit(DefaultRecipient());
    txtMainAddresses->setObjectName(QStringLiteral("txtMainAddresses"));
    txtCC = new QLineEdit;
    txtCC->setObjectName(QStringLiteral("txtCC"));
    txtBCC = new QLineEdit;
    txtBCC->setObjectName(QStringLiteral("txtBCC"));
    txtSubject = new QLineEdit;
    txtSubject->setObjectName(QStringLiteral("txtSubject"));
    cboBody = new QComboBox;
    cboBody->setObjectName(QStringLiteral("cboBody"));
    cboBody->setEditable(true);
    cboBody->setInsertPolicy(QComboBox::NoInsert);
    cboBody->setMinimumWidth(360);
    txtAttachmentFileLocation = new QLineEdit;
    txtAttachmentFileLocation->setObjectName(QStringLiteral("txtAttachmentFileLocation"));

    auto* form = new QFormLayout;
    const auto row = [form](const QString& label, QWidget* field) {
        auto* text = new QLabel(label);
        text->setBuddy(field);
        form->addRow(text, field);
    };
    row(QStringLiteral("&Main Address"), txtMainAddresses);
    row(QStringLiteral("&Carbon Copy"), txtCC);
    row(QStringLiteral("&Blind Copy"), txtBCC);
    row(QStringLiteral("S&ubject "), txtSubject);
    row(QStringLiteral("Body &Message"), cboBody);
    row(QStringLiteral("&File Attached"), txtAttachmentFileLocation);

    cmdSendIt = new QPushButton(QStringLiteral("&Sending E-mail..."));
    cmdSendIt->setObjectName(QStringLiteral("cmdSendIt"));
    cmdSendIt->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(cmdSendIt, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdClose, QDialogButtonBox::RejectRole);
    connect(cmdSendIt, &QPushButton::clicked, this, &frmSendEmail::cmdSendIt_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

// Qt also reports an activation when the user comes back from another
// program; the composer fills itself only when it is shown, so what the user
// typed survives a look at another window.
void frmSendEmail::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void frmSendEmail::Form_Activate() {
    txtSubject->setText(QStringLiteral("Pevrano Slide Show ") +
                        QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    cboBody->addItems({QStringLiteral("Please Register me for any updates or new information."),
                       QStringLiteral("Please send me any new information!"),
                       QStringLiteral("I like the Pevrano Slide Show."),
                       QStringLiteral("The Pevrano Slide Show needs...")});
    cboBody->setCurrentIndex(0);
    cboBody->setEditText(cboBody->itemText(0));
    cboBody->setFocus();
}

void frmSendEmail::cmdSendIt_Click() {
    const EmailFields fields{txtMainAddresses->text(), txtCC->text(),
                             txtBCC->text(),           txtSubject->text(),
                             cboBody->currentText(),   txtAttachmentFileLocation->text()};
    if (fields.to.isEmpty())
        return;
    if (!openUrl(QUrl::fromEncoded(MailtoAddress(fields).toUtf8(), QUrl::StrictMode)))
        ask->inform(QStringLiteral("No mail program could be started to send this message.\r\n\r\n"
                                   "Please write to ") +
                        fields.to + QStringLiteral(" from your own mail program."),
                    QStringLiteral("Sending E-mail..."), MsgIcon::Exclamation);
}

frmSendEmail::~frmSendEmail() = default;
