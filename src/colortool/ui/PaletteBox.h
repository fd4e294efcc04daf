#pragma once

#include "colortool/ColorChart.h"
#include "project/ColorValue.h"

#include <QFrame>

// One box of the colour tool's chart or user colours. A left click (or
// Space / Enter) picks its colour; Shift + right click (or Shift + Space /
// Shift + Enter) asks to store the active colour in it. The arrow keys ask
// to move the focus to a neighbouring box.
class PaletteBox : public QFrame {
    Q_OBJECT
public:
    explicit PaletteBox(QWidget* parent = nullptr);

    // What a screen reader calls the box, before its colour.
    void setLabel(QString text);

    ColorValue color() const { return shown; }
    // Shows the colour and names the box after its label and colour.
    void setColor(ColorValue c);

signals:
    void pressed(ColorChart::Press press);
    // dx, dy: -1, 0 or 1 columns and rows.
    void arrowed(int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString label;
    ColorValue shown = 0;
};
