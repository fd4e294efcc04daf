#pragma once

#include "support/ToolTipLook.h"

#include <QPainterPath>
#include <QWidget>

// The window a tooltip manager shows its tips in: the text on the tip's
// background colour, wrapped at the look's width, in a plain rectangle or in
// a balloon (a rounded box with a pointer to the spot it explains).
class TipWindow : public QWidget {
public:
    TipWindow();

    // Shows the text at the anchor (global coordinates): below and to the
    // right of it, or centred below it. A balloon points its stem at the
    // anchor and turns over when the screen has no room below.
    void showTip(const QString& text, const ToolTipLook& look, QPoint anchor, bool centered);

    QString text() const { return shown; }
    bool isBalloon() const { return balloon; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath Outline() const;

    QString shown;
    ToolTipLook look;
    bool balloon = false;
    bool stemUp = true; // the stem points up (tip below the anchor)
    int stemX = 0;      // where the stem meets the anchor, in window coordinates
    QRect textRect;
};
