#include "compiler/ui/RowShrinker.h"

#include <algorithm>

RowShrinker::RowShrinker(int width, int height, int factor, QImage::Format format)
    : width(width), height(height), factor(std::max(1, factor)),
      out((width + this->factor - 1) / this->factor, (height + this->factor - 1) / this->factor,
          format),
      sums(std::size_t(width) * 4) {}

void RowShrinker::addRow(int y, const uchar* row) {
    if (out.isNull() || y < 0 || y >= height)
        return;
    if (y / factor != band) {
        flush();
        band = y / factor;
    }
    for (std::size_t i = 0; i < sums.size(); ++i)
        sums[i] += row[i];
    ++rows;
}

void RowShrinker::flush() {
    if (band < 0 || rows == 0)
        return;
    uchar* dst = out.scanLine(band);
    for (int x = 0; x < out.width(); ++x) {
        const int left = x * factor;
        const int cols = std::min(factor, width - left);
        const unsigned count = unsigned(cols * rows);
        for (int c = 0; c < 4; ++c) {
            unsigned sum = 0;
            for (int i = 0; i < cols; ++i)
                sum += sums[std::size_t(left + i) * 4 + c];
            dst[x * 4 + c] = static_cast<uchar>((sum + count / 2) / count);
        }
    }
    std::fill(sums.begin(), sums.end(), 0u);
    rows = 0;
}

QImage RowShrinker::take() {
    flush();
    band = -1;
    return out;
}
