#include "publish/ui/PublishDialog.h"

#include "ui_PublishDialog.h"

#include <QPushButton>

PublishDialog::PublishDialog(const PublishTarget& target, const QStringList& remotes,
                             std::function<std::optional<QString>()> makeRemote, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PublishDialog>()),
      makeRemote(std::move(makeRemote)) {
    ui->setupUi(this);
    QPushButton* publish = ui->cmdButtons->button(QDialogButtonBox::Ok);
    publish->setText(QStringLiteral("&Publish"));
    publish->setObjectName(QStringLiteral("cmdPublish"));
    publish->setAccessibleName(QStringLiteral("Publish"));
    ui->cmdButtons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    ui->cboRemote->addItems(remotes);
    // A remote the show names that the configuration lacks stays offered,
    // so publishing says plainly that it does not exist.
    if (!target.remote.isEmpty() && !remotes.contains(target.remote))
        ui->cboRemote->addItem(target.remote);
    ui->cboRemote->setCurrentText(target.remote);
    ui->txtRemotePath->setText(target.path);
    ui->txtAddress->setText(target.address);
    connect(ui->cboRemote, &QComboBox::currentTextChanged, this, &PublishDialog::refresh);
    connect(ui->cmdNewRemote, &QPushButton::clicked, this, [this] {
        if (const auto name = this->makeRemote ? this->makeRemote() : std::nullopt) {
            if (ui->cboRemote->findText(*name) < 0)
                ui->cboRemote->addItem(*name);
            ui->cboRemote->setCurrentText(*name);
        }
        refresh();
    });
    connect(ui->cmdButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->cmdButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
    (ui->cboRemote->count() ? static_cast<QWidget*>(ui->cboRemote) : ui->cmdNewRemote)->setFocus();
}

PublishDialog::~PublishDialog() = default;

void PublishDialog::refresh() {
    ui->lblNoRemote->setVisible(ui->cboRemote->count() == 0);
    ui->cmdButtons->button(QDialogButtonBox::Ok)
        ->setEnabled(!ui->cboRemote->currentText().isEmpty());
}

PublishTarget PublishDialog::target() const {
    return {ui->cboRemote->currentText(), ui->txtRemotePath->text().trimmed(),
            ui->txtAddress->text().trimmed()};
}
