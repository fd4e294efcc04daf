#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class ClipboardWindow;
}

// A small window that shows what the clipboard holds as text and follows
// its changes, for looking at the values the colour tool puts there.
class ClipboardWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClipboardWindow(QWidget* parent = nullptr);
    ~ClipboardWindow() override;
    QString shownText() const;

private:
    void showClipboard();
    std::unique_ptr<Ui::ClipboardWindow> ui;
};
