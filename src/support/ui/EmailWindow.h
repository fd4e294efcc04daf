#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>
#include <memory>

namespace Ui {
class EmailWindow;
}
class Prompter;
class QtPrompter;

// The e-mail composer (objectName frmSendEmail): recipient, copies, subject,
// a body with suggested texts and a file to attach, handed to the user's mail
// program as a "mailto:" address.
class EmailWindow : public QDialog {
    Q_OBJECT
public:
    // The maker's address the composer starts with.
    static QString DefaultRecipient();

    // Messages go through `prompter`, or the standard dialogs when none is
    // given.
    explicit EmailWindow(QWidget* parent = nullptr, Prompter* prompter = nullptr);
    ~EmailWindow() override;

    // Each time the composer is shown: a dated subject, the suggested body
    // texts added to the list, the first of them as the body, focus on the
    // body.
    void fillForm();
    // Opens the address in the mail program when there is a recipient; says
    // so, with the address, when no mail program can be started.
    void sendMail();

    // Opens a mailto: address; the desktop's mail program unless replaced.
    // False when it could not be opened.
    std::function<bool(const QUrl&)> openUrl;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::EmailWindow> ui;
    std::unique_ptr<QtPrompter> ownPrompter;
    Prompter* ask;
};
