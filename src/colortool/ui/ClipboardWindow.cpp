#include "colortool/ui/ClipboardWindow.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ClipboardWindow::ClipboardWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool), view(new QPlainTextEdit) {
    setObjectName(QStringLiteral("ClipboardWindow"));
    setWindowTitle(QStringLiteral("ClipBoard"));
    view->setObjectName(QStringLiteral("txtClipboard"));
    view->setReadOnly(true);
    view->setAccessibleName(QStringLiteral("ClipBoard contents"));
    view->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(buttons);
    resize(320, 140);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &ClipboardWindow::showClipboard);
    showClipboard();
}

QString ClipboardWindow::shownText() const {
    return view->toPlainText();
}

void ClipboardWindow::showClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || (!data->hasText() && data->formats().isEmpty()))
        view->setPlainText(QString());
    else if (data->hasText())
        view->setPlainText(data->text());
    else
        view->setPlainText(QStringLiteral("(not text: ") + data->formats().join(", ") +
                           QLatin1Char(')'));
}
