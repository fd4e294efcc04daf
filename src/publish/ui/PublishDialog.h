#pragma once

#include "project/PublishTarget.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class PublishDialog;
}

// Where to publish: a remote of the user's rclone configuration, a path on
// it and the public address that path is served under. "New Remote..."
// runs `makeRemote`, which returns the new remote's name.
class PublishDialog : public QDialog {
    Q_OBJECT
public:
    PublishDialog(const PublishTarget& target, const QStringList& remotes,
                  std::function<std::optional<QString>()> makeRemote, QWidget* parent = nullptr);
    ~PublishDialog() override;

    PublishTarget target() const;

private:
    void refresh();

    std::unique_ptr<Ui::PublishDialog> ui;
    std::function<std::optional<QString>()> makeRemote;
};
