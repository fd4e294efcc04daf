#pragma once

#include <QEvent>
#include <QFocusEvent>

// A focus event (in or out) caused by the focus moving between controls of the
// same window. Switching to another window or opening a popup does not count:
// the control gets the focus back when the user returns.
inline bool FocusMovedWithinWindow(const QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
