#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>
#include <memory>

class Prompter;
class QtPrompter;
class QComboBox;
class QLineEdit;
class QPushButton;

// The e-mail composer: recipient, copies, subject, a body with suggested
// texts and a file to attach, handed to the user's mail program as a
// "mailto:" address.
class frmSendEmail : public QDialog {
    Q_OBJECT
public:
    // The maker's address the composer starts with.
    static QString DefaultRecipient();

    // Messages go through `prompter`, or the standard dialogs when none is
    // given.
    explicit frmSendEmail(QWidget* parent = nullptr, Prompter* prompter = nullptr);
    ~frmSendEmail() override;

    // Each time the composer is shown: a dated subject, the suggested body
    // texts added to the list, the first of them as the body, focus on the
    // body.
    void Form_Activate();
    // Opens the address in the mail program when there is a recipient; says
    // so, with the address, when no mail program can be started.
    void cmdSendIt_Click();

    // Opens a mailto: address; the desktop's mail program unless replaced.
    // False when it could not be opened.
    std::function<bool(const QUrl&)> openUrl;

    QLineEdit* txtMainAddresses = nullptr;
    QLineEdit* txtCC = nullptr;
    QLineEdit* txtBCC = nullptr;
    QLineEdit* txtSubject = nullptr;
    QComboBox* cboBody = nullptr;
    QLineEdit* txtAttachmentFileLocation = nullptr;
    QPushButton* cmdSendIt = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<QtPrompter> ownPrompter;
    Prompter* ask;
};
