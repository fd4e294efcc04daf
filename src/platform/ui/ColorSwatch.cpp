#include "platform/ui/ColorSwatch.h"

#include "platform/ui/AccessibleControls.h"
#include "project/ColorText.h"

#include <QKeyEvent>
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
        if (hasFocus()) {
            // A dotted ring in the colour's contrast, inside the border.
            const QColor fill = ToQColor(color());
            painter.setPen(QPen(fill.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }
    QFrame::paintEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    if (AccessibleControls::IsPressKey(event->key()) && (focusPolicy() & Qt::TabFocus)) {
        click();
        return;
    }
    QFrame::keyPressEvent(event);
}

QString ColorSwatch::colorText() const {
    return StoredColorToHtml(StoredColorText(color()));
}

QColor ToQColor(ColorValue c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

ColorValue FromQColor(const QColor& c) {
    return RgbColor(c.red(), c.green(), c.blue());
}
