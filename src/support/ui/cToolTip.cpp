#include "support/ui/cToolTip.h"

#include "support/ui/TipWindow.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

cToolTip::cToolTip(QObject* parent) : QObject(parent) {
    delay.setSingleShot(true);
    visible.setSingleShot(true);
    connect(&delay, &QTimer::timeout, this, &cToolTip::ShowPending);
    connect(&visible, &QTimer::timeout, this, &cToolTip::HideTip);
}

cToolTip::~cToolTip() {
    for (const Tool& tool : tools)
        if (tool.window)
            tool.window->removeEventFilter(this);
}

cToolTip::Tool* cToolTip::Find(const QWidget* window, int itemId) {
    const int id = itemId < 0 ? -1 : itemId;
    for (Tool& tool : tools)
        if (tool.window == window && tool.id == id)
            return &tool;
    return nullptr;
}

void cToolTip::Add(Tool tool) {
    if (!tool.window)
        return;
    if (Tool* known = Find(tool.window, tool.id)) {
        known->rect = tool.rect;
        known->text = tool.text;
        known->centered = tool.centered;
        if (showing == known && known->text.isEmpty())
            HideTip();
        // The pointer may rest on the control while its tip comes on.
        if (pending == known && !showing && !delay.isActive() && !known->text.isEmpty())
            delay.start(qMax(0, look.DelayTime));
        return;
    }
    const bool watched = std::any_of(tools.begin(), tools.end(),
                                     [&tool](const Tool& t) { return t.window == tool.window; });
    if (!watched) {
        tool.window->installEventFilter(this);
        // A control that goes away takes its tips with it.
        connect(tool.window, &QObject::destroyed, this, &cToolTip::Forget);
    }
    if (tool.id >= 0)
        tool.window->setMouseTracking(true); // item tips follow the pointer inside
    tools.push_back(std::move(tool));
}

void cToolTip::Forget(QObject* gone) {
    const auto lost = [gone](const Tool* t) {
        return t && (!t->window || static_cast<QObject*>(t->window.data()) == gone);
    };
    if (lost(pending) || lost(showing))
        HideTip();
    tools.remove_if([&lost](const Tool& t) { return lost(&t); });
}

void cToolTip::SetToolTipObj(QWidget* window, const QString& text, bool centered) {
    Add({window, -1, QRect(), text, centered});
    // Screen readers get the tip as the control's description.
    if (window)
        window->setAccessibleDescription(TipLines(text).join(QLatin1Char(' ')).simplified());
}

void cToolTip::SetToolTipItem(QWidget* window, int itemId, const QRect& rect, const QString& text,
                              bool centered) {
    Add({window, qMax(0, itemId), rect, text, centered});
}

void cToolTip::DelToolTip(QWidget* window, int itemId) {
    const Tool* tool = Find(window, itemId);
    if (!tool)
        return;
    if (tool == pending || tool == showing)
        HideTip();
    tools.remove_if([tool](const Tool& t) { return &t == tool; });
}

void cToolTip::AjustItemRect(QWidget* window, int itemId, const QRect& rect) {
    if (Tool* tool = Find(window, itemId))
        tool->rect = rect;
}

QString cToolTip::TipText(const QWidget* window, int itemId) const {
    for (const Tool& tool : tools)
        if (tool.window == window && tool.id == (itemId < 0 ? -1 : itemId))
            return tool.text;
    return {};
}

const TipWindow* cToolTip::VisibleTip() const {
    return tip && tip->isVisible() ? tip.get() : nullptr;
}

void cToolTip::HideTip() {
    delay.stop();
    visible.stop();
    pending = nullptr;
    showing = nullptr;
    if (tip)
        tip->hide();
}

// Item tips win over the whole-control tip where they lie.
const cToolTip::Tool* cToolTip::ToolAt(const QWidget* window, QPoint pos) const {
    const Tool* whole = nullptr;
    for (const Tool& tool : tools) {
        if (tool.window != window)
            continue;
        if (tool.id < 0)
            whole = &tool;
        else if (tool.rect.contains(pos))
            return &tool;
    }
    return whole;
}

void cToolTip::Hover(QWidget* window, QPoint pos, QPoint globalPos) {
    pointer = globalPos;
    const Tool* tool = ToolAt(window, pos);
    if (tool == showing && showing)
        return;
    if (showing)
        HideTip();
    if (tool != pending) {
        pending = tool;
        delay.stop();
        if (pending && !pending->text.isEmpty())
            delay.start(qMax(0, look.DelayTime));
    }
}

void cToolTip::ShowPending() {
    if (!pending || !pending->window || pending->text.isEmpty() || !pending->window->isVisible())
        return;
    if (!tip)
        tip = std::make_unique<TipWindow>();
    QPoint anchor = pointer;
    if (pending->centered) {
        const QRect area = pending->id < 0 ? pending->window->rect() : pending->rect;
        anchor = pending->window->mapToGlobal(QPoint(area.center().x(), area.bottom()));
    }
    tip->showTip(pending->text, look, anchor, pending->centered);
    showing = pending;
    if (look.VisibleTime > 0)
        visible.start(look.VisibleTime);
}

bool cToolTip::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window)
        return false;
    switch (event->type()) {
    case QEvent::Enter: {
        const auto* enter = static_cast<QEnterEvent*>(event);
        pending = nullptr; // coming in anew: the delay starts again
        Hover(window, enter->position().toPoint(), enter->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        Hover(window, move->position().toPoint(), move->globalPosition().toPoint());
        break;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        if ((pending && pending->window == window) || (showing && showing->window == window))
            HideTip();
        break;
    case QEvent::ToolTip:
        // The manager's tip stands in for Qt's own tooltip of the control.
        if (const Tool* tool = ToolAt(window, window->mapFromGlobal(pointer));
            tool && !tool->text.isEmpty())
            return true;
        break;
    default:
        break;
    }
    return false;
}
