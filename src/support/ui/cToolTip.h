#pragma once

#include "support/ToolTipLook.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <list>
#include <memory>

class QWidget;
class TipWindow;

// A tooltip manager: tips for whole controls or for rectangles of a control,
// drawn in one look (text and background colour, hover delay, time on
// screen, maximum width, rectangular or balloon shape). The manager watches
// the mouse over every control it has a tip for; after DelayTime of hovering
// it shows the tip, for VisibleTime at most. A tip with empty text shows
// nothing. Each property keeps the last value written and applies to the
// next tip shown.
class cToolTip : public QObject {
    Q_OBJECT
public:
    explicit cToolTip(QObject* parent = nullptr);
    ~cToolTip() override;

    ColorValue TxtColor() const { return look.TxtColor; }
    void setTxtColor(ColorValue c) { look.TxtColor = c; }
    ColorValue BkColor() const { return look.BkColor; }
    void setBkColor(ColorValue c) { look.BkColor = c; }
    qint32 VisibleTime() const { return look.VisibleTime; }
    void setVisibleTime(qint32 ms) { look.VisibleTime = ms; }
    qint32 DelayTime() const { return look.DelayTime; }
    void setDelayTime(qint32 ms) { look.DelayTime = ms; }
    qint32 TipWidth() const { return look.TipWidth; }
    void setTipWidth(qint32 pixels) { look.TipWidth = pixels; }
    // 1 rectangular, 2 balloon; other values are kept but draw rectangles.
    qint32 Style() const { return look.Style; }
    void setStyle(qint32 style) { look.Style = style; }
    const ToolTipLook& Look() const { return look; }
    void setLook(const ToolTipLook& l) { look = l; }

    // A tip for the whole control; registering a control again replaces its
    // text. `centered` puts the tip centred below the control instead of
    // below the mouse pointer.
    void SetToolTipObj(QWidget* window, const QString& text, bool centered = false);
    // A tip for a rectangle of the control (its own coordinates), known by
    // the control and the item id.
    void SetToolTipItem(QWidget* window, int itemId, const QRect& rect, const QString& text,
                        bool centered = false);
    // Removes a tip; an item id below 0 means the whole-control tip.
    void DelToolTip(QWidget* window, int itemId = -1);
    // Gives an item tip a new rectangle.
    void AjustItemRect(QWidget* window, int itemId, const QRect& rect);

    // The text of a tip, empty when there is none.
    QString TipText(const QWidget* window, int itemId = -1) const;
    // The tip on screen, or nullptr when none is showing.
    const TipWindow* VisibleTip() const;
    void HideTip();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tool {
        QPointer<QWidget> window;
        int id = -1; // -1: the whole control
        QRect rect;
        QString text;
        bool centered = false;
    };
    Tool* Find(const QWidget* window, int itemId);
    const Tool* ToolAt(const QWidget* window, QPoint pos) const;
    void Add(Tool tool);
    void Hover(QWidget* window, QPoint pos, QPoint globalPos);
    void ShowPending();
    void Forget(QObject* gone);

    ToolTipLook look;
    std::list<Tool> tools; // stable addresses for pending and showing
    std::unique_ptr<TipWindow> tip;
    QTimer delay;
    QTimer visible;
    const Tool* pending = nullptr; // the tool under the mouse
    const Tool* showing = nullptr; // the tool whose tip is up
    QPoint pointer;                // last mouse position, global
};
