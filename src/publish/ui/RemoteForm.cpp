#include "publish/ui/RemoteForm.h"

#include "platform/Prompter.h"
#include "ui_RemoteForm.h"

#include <QGuiApplication>
#include <QPushButton>

RemoteForm::RemoteForm(RcloneProgram program, Prompter& prompter, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::RemoteForm>()), rclone(std::move(program)),
      ask(prompter) {
    ui->setupUi(this);
    ui->cboRemoteType->addItem(QStringLiteral("SFTP (a server you can log in to)"),
                               static_cast<int>(RemoteKind::Sftp));
    ui->cboRemoteType->addItem(QStringLiteral("WebDAV"), static_cast<int>(RemoteKind::WebDav));
    ui->cboRemoteType->addItem(QStringLiteral("S3-compatible storage"),
                               static_cast<int>(RemoteKind::S3));
    ui->cmdButtons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    ui->cmdButtons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    connect(ui->cboRemoteType, &QComboBox::currentIndexChanged, this, &RemoteForm::kindChanged);
    connect(ui->cmdButtons, &QDialogButtonBox::accepted, this, &RemoteForm::accept);
    connect(ui->cmdButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    kindChanged();
}

RemoteForm::~RemoteForm() = default;

void RemoteForm::kindChanged() {
    const auto kind = static_cast<RemoteKind>(ui->cboRemoteType->currentData().toInt());
    const bool sftp = kind == RemoteKind::Sftp;
    ui->spnPort->setVisible(sftp);
    ui->lblPort->setVisible(sftp);
    const bool s3 = kind == RemoteKind::S3;
    ui->lblServer->setText(sftp ? QStringLiteral("&Server:")
                           : s3 ? QStringLiteral("&Endpoint:")
                                : QStringLiteral("&Address:"));
    ui->txtServer->setAccessibleName(ui->lblServer->text().remove(QLatin1Char('&')).chopped(1));
    ui->txtServer->setPlaceholderText(sftp ? QStringLiteral("example.org")
                                      : s3 ? QStringLiteral("https://s3.example.org")
                                           : QStringLiteral("https://example.org/webdav/"));
    ui->lblUser->setText(s3 ? QStringLiteral("Access &key:") : QStringLiteral("&User:"));
    ui->txtUser->setAccessibleName(s3 ? QStringLiteral("Access key") : QStringLiteral("User"));
    ui->lblPassword->setText(s3 ? QStringLiteral("Secret &key:") : QStringLiteral("Pass&word:"));
    ui->txtPassword->setAccessibleName(s3 ? QStringLiteral("Secret key")
                                          : QStringLiteral("Password"));
}

RemoteDetails RemoteForm::details() const {
    return {static_cast<RemoteKind>(ui->cboRemoteType->currentData().toInt()),
            ui->txtRemoteName->text().trimmed(),
            ui->txtServer->text().trimmed(),
            ui->spnPort->value(),
            ui->txtUser->text().trimmed(),
            ui->txtPassword->text()};
}

void RemoteForm::accept() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto error = MakeRemote(rclone, details());
    QGuiApplication::restoreOverrideCursor();
    if (error) {
        ask.messageBox({*error, QStringLiteral("New Remote"), MsgButtons::Ok, MsgIcon::Critical,
                        std::nullopt});
        return;
    }
    ui->txtPassword->clear();
    QDialog::accept();
}
