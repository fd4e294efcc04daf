#pragma once

#include "project/ColorValue.h"

#include <QColor>
#include <QFrame>

class QMouseEvent;
class QPaintEvent;

// A clickable box filled with one colour. A swatch either keeps its own
// colour or is bound to a show-wide colour of the project, which it then
// reads and writes, so the settings and the window never disagree.
class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    void bind(ColorValue* value);
    ColorValue color() const { return bound != nullptr ? *bound : own; }
    // Repaints the whole window: other swatches may show the same colour.
    void setColor(ColorValue c);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ColorValue own = 0;
    ColorValue* bound = nullptr;
};

// The Qt colour of a colour value, and back.
QColor ToQColor(ColorValue c);
ColorValue FromQColor(const QColor& c);
