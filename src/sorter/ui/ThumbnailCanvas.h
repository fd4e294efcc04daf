#pragma once

#include "sorter/ThumbnailGrid.h"

#include <QWidget>
#include <optional>

class ThumbnailStore;

// Makes screen readers see every ThumbnailCanvas as a list of its thumbnails.
void InstallThumbnailAccessibility();

// The sorter's grid of thumbnails, painted on one widget: however many
// slides there are, only the thumbnails in the exposed area are drawn, each
// stretched to its cell, with the slide number on its top-left corner and,
// while highlighted, a red outline over its edge. A mouse-down and a click
// are reported apart (the first chooses the picture for swapping, the second
// moves the highlight), and a thumbnail dragged onto another is reported as
// a drag; Space or Enter does both for the current thumbnail,
// the arrow and page keys ask to move. Screen readers see a list with one
// item per thumbnail, named "Slide N: file".
class ThumbnailCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ThumbnailCanvas(QWidget* parent);
    ~ThumbnailCanvas() override;

    void setStore(const ThumbnailStore* store);
    void setGrid(const ThumbnailGrid& grid, int count);
    const ThumbnailGrid& grid() const { return layout; }
    int count() const { return slides; }
    // The thumbnail under a point of the canvas.
    std::optional<int> at(QPoint point) const;

    // The thumbnail that keyboard input acts on; the highlighted one.
    void setCurrent(int k);
    int current() const { return focused; }
    void setHighlighted(int k);
    int highlighted() const { return outlined; }
    // What thumbnail k shows: its accessible name and tooltip text.
    QString name(int k) const;
    QString path(int k) const;
    void updateThumbnail(int k);

signals:
    void pressed(int position);
    void clicked(int position);
    void dragged(int from, int to);
    void moveAsked(int position, int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintThumbnail(class QPainter& painter, int k);

    const ThumbnailStore* pictures = nullptr;
    ThumbnailGrid layout{kDesignThumbnailSize, 368};
    int slides = 0;
    int focused = 0;
    int outlined = -1;
    int pressedOn = -1;
    QPoint pressedAt;
    bool dragging = false;
};
