#include "editor/ui/AutoRunDelay.h"

#include "editor/LeadingNumber.h"
#include "editor/ui/ClickLabel.h"
#include "editor/ui/FocusMoves.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/undo/EditHistory.h"
#include "project/ShowLimits.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Character keys other than digits are refused; Tab and Shift+Tab
        // move the focus and are no characters.
        const QString typed = key->text();
        const bool focusMove = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!typed.isEmpty() && !focusMove && key->key() != Qt::Key_Delete &&
            !(typed.front() >= u'0' && typed.front() <= u'9'))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

AutoRunDelay::AutoRunDelay(MainWindow& f) : form(f) {
    MainWindowControls& ui = form.ui;
    ui.txtPicTimeSec->installEventFilter(&digitsOnly);
    ui.txtPicTimeSec->installEventFilter(this);
    connect(ui.VScrollSec, &QScrollBar::valueChanged, this, &AutoRunDelay::takeScrolledDelay);
    connect(ui.txtPicTimeSec, &QLineEdit::textChanged, this, &AutoRunDelay::DelayTextChanged);
    connect(ui.lblAutoRun, &ClickLabel::clicked, this, &AutoRunDelay::autoRunLabelClicked);
    ShowDelay();
}

bool AutoRunDelay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form.ui.txtPicTimeSec && event->type() == QEvent::FocusOut &&
        FocusMovedWithinWindow(event))
        takeTypedDelay();
    return QObject::eventFilter(watched, event);
}

namespace {
// Every notch of the scroll bar changes the delay; a run of changes is one
// step.
constexpr quint64 kDelayRun = 1;
} // namespace

void AutoRunDelay::takeTypedDelay() {
    const EditStep step(form.history(), EditKind::Delay, kDelayRun);
    // An empty box counts as the shortest delay; anything typed is held to
    // the range the scroll bar offers.
    const QString typed = form.ui.txtPicTimeSec->text().trimmed();
    const int seconds = typed.isEmpty()
                            ? kMinDelaySeconds
                            : qBound(kMinDelaySeconds, LeadingNumber(typed), kMaxDelaySeconds);
    const QScopedValueRollback own(filling, true);
    form.ui.txtPicTimeSec->setText(QString::number(seconds));
    form.ui.VScrollSec->setValue(seconds);
    form.project().settings.NumSecDelay = static_cast<qint16>(seconds);
}

void AutoRunDelay::takeScrolledDelay(int value) {
    const EditStep step(form.history(), EditKind::Delay, kDelayRun);
    const QScopedValueRollback own(filling, true);
    form.ui.txtPicTimeSec->setText(QString::number(value));
    form.project().settings.NumSecDelay = static_cast<qint16>(value);
}

void AutoRunDelay::DelayTextChanged() {
    if (!filling && !form.ui.txtPicTimeSec->hasFocus())
        takeTypedDelay();
}

void AutoRunDelay::autoRunLabelClicked() {
    SetDelayControlsEnabled(true);
    form.ui.txtPicTimeSec->setFocus(Qt::OtherFocusReason);
}

void AutoRunDelay::ShowDelay() {
    const int seconds = form.project().settings.NumSecDelay;
    const QSignalBlocker quiet(form.ui.VScrollSec);
    form.ui.VScrollSec->setValue(qBound(kMinDelaySeconds, seconds, kMaxDelaySeconds));
    const QScopedValueRollback own(filling, true);
    form.ui.txtPicTimeSec->setText(QString::number(seconds));
}

void AutoRunDelay::SetDelayControlsEnabled(bool enabled) {
    form.ui.txtPicTimeSec->setEnabled(enabled);
    form.ui.VScrollSec->setEnabled(enabled);
}
