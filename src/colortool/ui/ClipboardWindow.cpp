#include "colortool/ui/ClipboardWindow.h"

#include "ui_ClipboardWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

ClipboardWindow::ClipboardWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool), ui(std::make_unique<Ui::ClipboardWindow>()) {
    ui->setupUi(this);
    connect(ui->buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &ClipboardWindow::showClipboard);
    showClipboard();
}

ClipboardWindow::~ClipboardWindow() = default;

QString ClipboardWindow::shownText() const {
    return ui->txtClipboard->toPlainText();
}

void ClipboardWindow::showClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QPlainTextEdit* view = ui->txtClipboard;
    if (data == nullptr || (!data->hasText() && data->formats().isEmpty()))
        view->setPlainText(QString());
    else if (data->hasText())
        view->setPlainText(data->text());
    else
        view->setPlainText(QStringLiteral("(not text: ") + data->formats().join(", ") +
                           QLatin1Char(')'));
}
