#include "publish/ui/PublishProgressWindow.h"

#include "ui_PublishProgress.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPushButton>
#include <QUrl>

namespace {
// Scaled so a show of several gigabytes still fits the bar's int range.
constexpr qint64 kBarUnit = 1024;

void SetShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets)
        w->setVisible(shown);
}
} // namespace

PublishProgressWindow::PublishProgressWindow(Publisher& publisher,
                                             std::optional<ShowAddresses> addresses,
                                             QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PublishProgress>()), publisher(publisher),
      addresses(std::move(addresses)) {
    ui->setupUi(this);
    QPushButton* cancel = ui->cmdButtons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    SetShown({ui->txtOpeningAddress, ui->cmdCopyOpening, ui->cmdOpenOpening, ui->txtPlayerAddress,
              ui->cmdCopyPlayer, ui->cmdOpenPlayer, ui->txtRcloneSaid},
             false);
    ui->pbPublish->setRange(0, 0);
    ui->lblStep->setText(publisher.step().isEmpty() ? QStringLiteral("Starting...")
                                                    : publisher.step());
    connect(&publisher, &Publisher::stepChanged, ui->lblStep, &QLabel::setText);
    connect(&publisher, &Publisher::progress, this, &PublishProgressWindow::showProgress);
    connect(&publisher, &Publisher::finished, this, &PublishProgressWindow::finished);
    connect(ui->cmdButtons, &QDialogButtonBox::rejected, this, &PublishProgressWindow::reject);
    const auto wire = [](QPushButton* copy, QPushButton* open, QLineEdit* field) {
        connect(copy, &QPushButton::clicked, field,
                [field] { QGuiApplication::clipboard()->setText(field->text()); });
        connect(open, &QPushButton::clicked, field,
                [field] { QDesktopServices::openUrl(QUrl(field->text())); });
    };
    wire(ui->cmdCopyOpening, ui->cmdOpenOpening, ui->txtOpeningAddress);
    wire(ui->cmdCopyPlayer, ui->cmdOpenPlayer, ui->txtPlayerAddress);
}

PublishProgressWindow::~PublishProgressWindow() = default;

void PublishProgressWindow::reject() {
    if (!running) {
        QDialog::reject();
        return;
    }
    QPushButton* cancel = ui->cmdButtons->button(QDialogButtonBox::Cancel);
    cancel->setEnabled(false);
    ui->lblStep->setText(QStringLiteral("Cancelling..."));
    publisher.cancel();
}

void PublishProgressWindow::showProgress(const PublishProgress& p) {
    if (p.totalFiles == 0)
        return;
    ui->pbPublish->setRange(0, static_cast<int>(qMax<qint64>(1, p.totalBytes / kBarUnit)));
    ui->pbPublish->setValue(static_cast<int>(p.bytes / kBarUnit));
    ui->lblFigures->setText(ProgressText(p));
}

void PublishProgressWindow::finished(const PublishResult& r) {
    ended = r;
    running = false;
    ui->cmdButtons->clear();
    QPushButton* close = ui->cmdButtons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    if (r.end == PublishEnd::Clash) {
        QPushButton* other = ui->cmdButtons->addButton(QStringLiteral("Choose Another &Path..."),
                                                       QDialogButtonBox::ActionRole);
        other->setObjectName(QStringLiteral("cmdOtherPath"));
        other->setAccessibleName(QStringLiteral("Choose another path"));
        connect(other, &QPushButton::clicked, this, [this] {
            anotherPath = true;
            accept();
        });
        other->setDefault(true);
        other->setFocus();
    } else {
        close->setDefault(true);
        close->setFocus();
    }
    if (r.end != PublishEnd::Published) {
        setWindowTitle(QStringLiteral("Publishing stopped"));
        ui->lblStep->setText(r.message);
        if (!r.rcloneSaid.isEmpty()) {
            ui->txtRcloneSaid->setPlainText(QStringLiteral("rclone said: ") + r.rcloneSaid);
            ui->txtRcloneSaid->show();
        }
        return;
    }
    setWindowTitle(QStringLiteral("Published"));
    ui->pbPublish->setRange(0, 1);
    ui->pbPublish->setValue(1);
    ui->lblStep->setText(QStringLiteral("The show is published: %1 files sent (%2), %3 removed.")
                             .arg(r.filesSent)
                             .arg(SizeText(r.bytesSent))
                             .arg(r.filesRemoved));
    ui->lblFigures->setText(addresses ? QStringLiteral("Its addresses:") : QString());
    if (!addresses)
        return;
    ui->txtOpeningAddress->setText(addresses->openingPage);
    SetShown({ui->txtOpeningAddress, ui->cmdCopyOpening, ui->cmdOpenOpening}, true);
    if (!addresses->player.isEmpty()) {
        ui->txtPlayerAddress->setText(addresses->player);
        SetShown({ui->txtPlayerAddress, ui->cmdCopyPlayer, ui->cmdOpenPlayer}, true);
    }
}
