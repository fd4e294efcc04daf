#include "support/ui/EmailWindow.h"

#include "platform/ui/QtPrompter.h"
#include "support/MailtoAddress.h"
#include "support/ui/CHelp.h"
#include "ui_EmailWindow.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QLocale>
#include <QShowEvent>

QString EmailWindow::DefaultRecipient() {
    return QStringLiteral("support@pevrano.example");
}

EmailWindow::EmailWindow(QWidget* parent, Prompter* prompter)
    : QDialog(parent), openUrl(DesktopOpener()), ui(std::make_unique<Ui::EmailWindow>()),
      ask(prompter) {
    if (!ask) {
        ownPrompter = std::make_unique<QtPrompter>(this);
        ask = ownPrompter.get();
    }
    ui->setupUi(this);
    ui->txtMainAddresses->setText(DefaultRecipient());
    connect(ui->cmdSendIt, &QPushButton::clicked, this, &EmailWindow::sendMail);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

// Qt also reports an activation when the user comes back from another
// program; the composer fills itself only when it is shown, so what the user
// typed survives a look at another window.
void EmailWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fillForm();
}

void EmailWindow::fillForm() {
    ui->txtSubject->setText(QStringLiteral("Pevrano Slide Show ") +
                            QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    ui->cboBody->addItems({QStringLiteral("Please Register me for any updates or new information."),
                           QStringLiteral("Please send me any new information!"),
                           QStringLiteral("I like the Pevrano Slide Show."),
                           QStringLiteral("The Pevrano Slide Show needs...")});
    ui->cboBody->setCurrentIndex(0);
    ui->cboBody->setEditText(ui->cboBody->itemText(0));
    ui->cboBody->setFocus();
}

void EmailWindow::sendMail() {
    const EmailFields fields{ui->txtMainAddresses->text(), ui->txtCC->text(),
                             ui->txtBCC->text(),           ui->txtSubject->text(),
                             ui->cboBody->currentText(),   ui->txtAttachmentFileLocation->text()};
    if (fields.to.isEmpty())
        return;
    if (!openUrl(QUrl::fromEncoded(MailtoAddress(fields).toUtf8(), QUrl::StrictMode)))
        ask->inform(QStringLiteral("No mail program could be started to send this message.\r\n\r\n"
                                   "Please write to ") +
                        fields.to + QStringLiteral(" from your own mail program."),
                    QStringLiteral("Sending E-mail..."), MsgIcon::Exclamation);
}

EmailWindow::~EmailWindow() = default;
