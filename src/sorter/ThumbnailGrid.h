#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <utility>

// Where the sorter puts its thumbnails: left to right, top to bottom, a
// 10-pixel margin at the top and left and a 10-pixel gap between thumbnails
// and rows. A new row starts when a thumbnail's right edge would pass the
// canvas width (landing exactly on it stays in the row); the first thumbnail
// of a row always stays, however wide.

inline constexpr int kThumbnailGap = 10;
// The thumbnail size the window is designed with (before any size change).
inline constexpr QSize kDesignThumbnailSize(41, 33);
inline constexpr int kMinThumbnailSize = 1;
inline constexpr int kMaxThumbnailSize = 8;

// The thumbnail size for the slider value 1..8: 51 x 41 up to 331 x 321.
QSize ThumbnailSizeFor(int sliderValue);

class ThumbnailGrid {
public:
    ThumbnailGrid(QSize thumbnail, int canvasWidth);

    QSize thumbnail() const { return thumb; }
    int perRow() const { return columns; }
    // Thumbnail k (0-based) in canvas coordinates.
    QRect cell(int k) const;
    // Bottom edge (top + height) of the last of count thumbnails.
    int bottom(int count) const;
    // The first and one past the last thumbnail whose row meets the band of
    // the canvas from top to top + height.
    std::pair<int, int> meeting(int top, int height, int count) const;
    // Thumbnail k moved by columns and rows, kept within 0..count-1.
    int moved(int k, int columns, int rows, int count) const;

private:
    QSize thumb;
    int columns;
};

// The canvas height and scroll range when the grid does not fit the
// viewport; nothing when it fits (the scroll bar is hidden).
struct ScrollFit {
    int canvasHeight = 0;
    int range = 0;
};
std::optional<ScrollFit> FitScrollBar(const ThumbnailGrid& grid, int count,
                                      int viewportInnerHeight);
