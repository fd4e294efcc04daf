#include "colortool/ui/CompletingCombo.h"

#include "colortool/ListSearch.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

CompletingCombo::CompletingCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is ours; Qt's own would fight it.
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    // Keys reach the line edit directly or through the box, by platform.
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CompletingCombo::AutoComplete);
    connect(lineEdit(), &QLineEdit::returnPressed, this,
            [this] { emit searchRequested(currentText()); });
    connect(this, &QComboBox::activated, this, [this](int) {
        if (!updatingList)
            emit searchRequested(currentText());
    });
}

QStringList CompletingCombo::entries() const {
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void CompletingCombo::showEntry(int index) {
    updatingList = true;
    setCurrentIndex(index);
    if (index >= 0)
        setEditText(itemText(index));
    updatingList = false;
}

void CompletingCombo::AutoComplete(const QString& text) {
    if (skipCompletion || updatingList)
        return;
    const int caret = lineEdit()->cursorPosition();
    const ListCompletion c = CompleteFromList(entries(), text, caret);
    if (c.index < 0)
        return;
    showEntry(c.index);
    lineEdit()->setText(c.text);
    lineEdit()->setSelection(c.selectionStart, c.selectionLength);
    emit completed(c.index);
}

bool CompletingCombo::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == lineEdit() || watched == this) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && discarded.contains(key->text().at(0)))
            return true;
        skipCompletion = key->key() == Qt::Key_Backspace;
    }
    return QComboBox::eventFilter(watched, event);
}

void CompletingCombo::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // Only a move of the user's: the focus that comes back after a message
    // box must not search (and ask) again.
    const Qt::FocusReason reason = event->reason();
    if (!currentText().isEmpty() &&
        (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::MouseFocusReason))
        emit searchRequested(currentText());
}
