#pragma once

#include <QImage>

#include <vector>

// Averages a picture's `factor` x `factor` blocks into one pixel, taking its
// rows one at a time (top down or bottom up), so only the reduced picture is
// kept whole. Rows are 4 bytes a pixel in the format given; blocks cut by the
// right or bottom edge average what they hold.
class RowShrinker {
public:
    RowShrinker(int width, int height, int factor, QImage::Format format);

    // Row `y` of the picture; rows of one block arrive together.
    void addRow(int y, const uchar* row);
    // The reduced picture; null when it could not be allocated.
    QImage take();

private:
    void flush();

    int width;
    int height;
    int factor;
    QImage out;
    std::vector<unsigned> sums;
    int band = -1; // the output row being summed
    int rows = 0;  // the source rows summed into it
};
