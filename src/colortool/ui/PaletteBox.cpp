#include "colortool/ui/PaletteBox.h"

#include "colortool/ChannelEntry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PaletteBox::PaletteBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(26, 26);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setColor(0);
}

void PaletteBox::setLabel(QString text) {
    label = std::move(text);
    setColor(shown);
}

void PaletteBox::setColor(ColorValue c) {
    shown = c & 0xFFFFFF;
    setAccessibleName(label + QStringLiteral(", #") + RgbHex(shown));
    update();
}

void PaletteBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(RedOf(shown), GreenOf(shown), BlueOf(shown)));
        if (hasFocus()) {
            // A two-tone ring shows the focus on any colour.
            painter.setPen(QPen(Qt::black, 2));
            painter.drawRect(rect().adjusted(2, 2, -3, -3));
            painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(3, 3, -4, -4));
        }
    }
    QFrame::paintEvent(event);
}

void PaletteBox::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        emit pressed(ColorChart::Press::Left);
    else if (event->button() == Qt::RightButton && event->modifiers() == Qt::ShiftModifier)
        emit pressed(ColorChart::Press::ShiftRight);
    else
        emit pressed(ColorChart::Press::Other);
}

void PaletteBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Left:
        emit arrowed(-1, 0);
        return;
    case Qt::Key_Right:
        emit arrowed(1, 0);
        return;
    case Qt::Key_Up:
        emit arrowed(0, -1);
        return;
    case Qt::Key_Down:
        emit arrowed(0, 1);
        return;
    default:
        break;
    }
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QFrame::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier)
        emit pressed(ColorChart::Press::Left);
    else if (mods == Qt::ShiftModifier)
        emit pressed(ColorChart::Press::ShiftRight);
}
