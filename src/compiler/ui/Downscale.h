#pragma once

#include <QImage>
#include <QSize>

// `image` scaled down to exactly `size` with a Lanczos-3 filter, separable,
// after an averaging shrink by a whole factor that leaves at least a factor
// of two to the filter (as fine as the filter alone, much faster for large
// reductions). A size not smaller than the image gives a copy of it in the
// working format. The result is ARGB32 premultiplied when the image has an
// alpha channel, RGB32 otherwise, and keeps the image's colour space.
QImage Downscale(const QImage& image, QSize size);

// `source` fitted into `box` keeping its proportions, never larger than
// `source` and at least one pixel along each side.
QSize FittedSize(QSize source, QSize box);
