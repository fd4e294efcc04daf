#pragma once

#include "publish/PublishTexts.h"
#include "publish/Publisher.h"

#include <QDialog>
#include <memory>

namespace Ui {
class PublishProgress;
}
class QPushButton;

// The publish under way: the step, a progress bar, files, bytes, speed and
// time left, and Cancel. When it ends: what happened in plain words, rclone's
// own message, and the addresses of the opening page and the player page with
// "Copy address" and "Open in browser".
class PublishProgressWindow : public QDialog {
    Q_OBJECT
public:
    PublishProgressWindow(Publisher& publisher, std::optional<ShowAddresses> addresses,
                          QWidget* parent = nullptr);
    ~PublishProgressWindow() override;

    const PublishResult& result() const { return ended; }
    // The user chose "Choose Another Path..." after a clash.
    bool anotherPathWanted() const { return anotherPath; }

    // Escape and the close box cancel a publish under way.
    void reject() override;

private:
    void showProgress(const PublishProgress& p);
    void finished(const PublishResult& r);

    std::unique_ptr<Ui::PublishProgress> ui;
    Publisher& publisher;
    std::optional<ShowAddresses> addresses;
    PublishResult ended;
    bool running = true;
    bool anotherPath = false;
};
