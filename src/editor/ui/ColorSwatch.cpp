#include "editor/ui/ColorSwatch.h"

#include <QMouseEvent>
#include <QPainter>

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    // A click takes the focus as on any other control, so it stops auto run
    // and the caption box stores what it holds first.
    setFocusPolicy(Qt::ClickFocus);
}

void ColorSwatch::bind(ColorValue* value) {
    bound = value;
    update();
}

void ColorSwatch::setColor(ColorValue c) {
    if (bound != nullptr)
        *bound = c;
    else
        own = c;
    window()->update();
    update();
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(color()));
    }
    QFrame::paintEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

QColor ToQColor(ColorValue c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

ColorValue FromQColor(const QColor& c) {
    return RgbColor(c.red(), c.green(), c.blue());
}
