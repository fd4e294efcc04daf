#include "sorter/ThumbnailGrid.h"

#include <QtGlobal>
#include <algorithm>

QSize ThumbnailSizeFor(int sliderValue) {
    const int v = qBound(kMinThumbnailSize, sliderValue, kMaxThumbnailSize);
    return {40 * v + 11, 40 * v + 1};
}

ThumbnailGrid::ThumbnailGrid(QSize thumbnail, int canvasWidth) : thumb(thumbnail) {
    // Thumbnail i of a row has its left edge at gap + i * (width + gap).
    const int room = canvasWidth - kThumbnailGap - thumb.width();
    const int pitch = thumb.width() + kThumbnailGap;
    columns = room < 0 ? 1 : std::max(1, room / pitch + 1);
}

QRect ThumbnailGrid::cell(int k) const {
    const int row = k / columns;
    const int column = k % columns;
    return {kThumbnailGap + column * (thumb.width() + kThumbnailGap),
            kThumbnailGap + row * (thumb.height() + kThumbnailGap), thumb.width(), thumb.height()};
}

int ThumbnailGrid::bottom(int count) const {
    return cell(std::max(0, count - 1)).bottom() + 1;
}

std::pair<int, int> ThumbnailGrid::meeting(int top, int height, int count) const {
    const int pitch = thumb.height() + kThumbnailGap;
    const int firstRow = std::max(0, (top - kThumbnailGap) / pitch);
    const int lastRow = std::max(0, (top + height - kThumbnailGap) / pitch);
    return {std::min(count, firstRow * columns), std::min(count, (lastRow + 1) * columns)};
}

int ThumbnailGrid::moved(int k, int byColumns, int byRows, int count) const {
    if (count <= 0)
        return 0;
    return qBound(0, k + byColumns + byRows * columns, count - 1);
}

std::optional<ScrollFit> FitScrollBar(const ThumbnailGrid& grid, int count,
                                      int viewportInnerHeight) {
    const int bottom = grid.bottom(count);
    if (bottom < viewportInnerHeight)
        return std::nullopt;
    const int canvasHeight = bottom + kThumbnailGap;
    return ScrollFit{canvasHeight, canvasHeight - viewportInnerHeight};
}
