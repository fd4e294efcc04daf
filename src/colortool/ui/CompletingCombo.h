#pragma once

#include <QComboBox>

// The tool's completing name box: typing completes the text to the first
// list entry after entry 0 that starts with what was typed (the rest of the
// name selected), Backspace types without completing, and choosing an
// entry, Enter, or reaching the box with text in it asks for a search of
// the whole text.
class CompletingCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CompletingCombo(QWidget* parent = nullptr);

    // Keys this box discards (the scheme names take no ".").
    void setDiscardedKeys(QString keys) { discarded = std::move(keys); }
    QStringList entries() const;
    // Sets the list position and text without asking for anything.
    void showEntry(int index);

signals:
    // Typing completed the text to this entry.
    void completed(int index);
    void searchRequested(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void AutoComplete(const QString& text);

    QString discarded;
    bool skipCompletion = false;
    bool updatingList = false;
};
