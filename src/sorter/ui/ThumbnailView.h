#pragma once

#include <QImage>
#include <QWidget>

class ThumbnailStore;

// One thumbnail of the sorter's grid: the picture stretched to the widget,
// the slide number on its top-left corner and, while highlighted, a red
// outline over its edge. A mouse-down and a click are reported apart (the
// first chooses the picture for swapping, the second moves the highlight);
// Space or Enter does both, the arrow and page keys ask to move.
class ThumbnailView : public QWidget {
    Q_OBJECT
public:
    ThumbnailView(const ThumbnailStore& store, int position, QWidget* parent);

    int position() const { return at; }
    // Tooltip and accessible name from the picture now at this position.
    void refreshName();
    void setHighlighted(bool on);
    bool highlighted() const { return outlined; }

signals:
    void pressed(int position);
    void clicked(int position);
    void moveAsked(int position, int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const ThumbnailStore& pictures;
    int at;
    bool outlined = false;
    bool pressedInside = false;
    // The kept picture scaled to the widget, when their sizes differ.
    QImage scaled;
    qint64 scaledFrom = 0;
};
