#pragma once

#include <QWidget>

class QPlainTextEdit;

// A small window that shows what the clipboard holds as text and follows
// its changes, for looking at the values the colour tool puts there.
class ClipboardWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClipboardWindow(QWidget* parent = nullptr);
    QString shownText() const;

private:
    void showClipboard();
    QPlainTextEdit* view;
};
