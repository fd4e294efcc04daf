#include "editor/ui/CommandsOffWhileCompiling.h"

#include "editor/ui/ClickLabel.h"
#include "editor/ui/MainWindow.h"
#include "platform/ui/ColorSwatch.h"

#include <QMenu>
#include <QMenuBar>

CommandsOffWhileCompiling::CommandsOffWhileCompiling(MainWindow& form, bool& running)
    : running(running), focus(form.focusWidget()) {
    running = true;
    // Whatever takes a click or the focus; labels and the progress bar stay
    // as they are, so the window does not grey out while it shows progress.
    for (QWidget* w : form.centralWidget()->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus || qobject_cast<ClickLabel*>(w) ||
            qobject_cast<ColorSwatch*>(w))
            TurnOff(w);
    for (QAction* top : form.menuBar()->actions())
        if (QMenu* menu = top->menu(); menu && menu != form.ui.mnuHelpMenu)
            for (QAction* action : menu->actions())
                TurnOff(action);
    // Shortcuts that live on the window itself rather than in a menu.
    for (QAction* action : form.actions())
        TurnOff(action);
}

CommandsOffWhileCompiling::~CommandsOffWhileCompiling() {
    for (const QPointer<QWidget>& w : widgets)
        if (w)
            w->setEnabled(true);
    for (const QPointer<QAction>& a : actions)
        if (a)
            a->setEnabled(true);
    running = false;
    if (focus && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

void CommandsOffWhileCompiling::TurnOff(QWidget* widget) {
    // One turned off on its own keeps its state.
    if (widget->testAttribute(Qt::WA_ForceDisabled))
        return;
    widget->setEnabled(false);
    widgets.emplace_back(widget);
}

void CommandsOffWhileCompiling::TurnOff(QAction* action) {
    if (action->isSeparator() || !action->isEnabled())
        return;
    action->setEnabled(false);
    actions.emplace_back(action);
}
