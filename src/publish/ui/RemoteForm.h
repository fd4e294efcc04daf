#pragma once

#include "publish/RemoteSetup.h"

#include <QDialog>
#include <memory>

namespace Ui {
class RemoteForm;
}
class Prompter;

// The small form that makes an SFTP, WebDAV or S3-compatible remote in the
// user's rclone configuration. OK makes it (MakeRemote); what goes wrong is
// said through the prompter and the form stays open.
class RemoteForm : public QDialog {
    Q_OBJECT
public:
    RemoteForm(RcloneProgram rclone, Prompter& ask, QWidget* parent = nullptr);
    ~RemoteForm() override;

    RemoteDetails details() const;
    void accept() override;

private:
    void kindChanged();

    std::unique_ptr<Ui::RemoteForm> ui;
    RcloneProgram rclone;
    Prompter& ask;
};
