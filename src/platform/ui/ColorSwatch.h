#pragma once

#include "project/ColorValue.h"

#include <QColor>
#include <QFrame>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

// A clickable box filled with one colour. A swatch either keeps its own
// colour or is bound to a show-wide colour of the project, which it then
// reads and writes, so the settings and the window never disagree.
class ColorSwatch : public QFrame {
    Q_OBJECT
    // The colour as a page writes it, for screen readers.
    Q_PROPERTY(QString accessibleValueText READ colorText)
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    void bind(ColorValue* value);
    ColorValue color() const { return bound != nullptr ? *bound : own; }
    // Repaints the whole window: other swatches may show the same colour.
    void setColor(ColorValue c);
    // "#RRGGBB".
    QString colorText() const;

public slots:
    // What a mouse click does; the keyboard and screen readers press it too.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ColorValue own = 0;
    ColorValue* bound = nullptr;
};

// The Qt colour of a colour value, and back.
QColor ToQColor(ColorValue c);
ColorValue FromQColor(const QColor& c);
