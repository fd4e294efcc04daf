#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// Picture decoding for the previews. Pictures are decoded at the size they are
// shown, never at full size, and a picture whose header claims more than the
// limits below is refused before any pixel is decoded (a decompression bomb
// would otherwise take the memory or freeze the window). Every function is
// safe to call from worker threads.

inline constexpr qint64 kMaxPicturePixels = 250'000'000;
inline constexpr int kMaxPictureSide = 40'000;

// The size the header claims, when the file is a readable picture within the
// limits.
std::optional<QSize> PictureHeaderSize(const QString& path);

// The largest size with the source's proportions that fits into box; never
// larger than the source.
QSize FitInside(QSize source, QSize box);
// The smallest size with the source's proportions that covers box; never
// larger than the source.
QSize CoverBox(QSize source, QSize box);

// The picture scaled to fit into box (keeping proportions); a null image when
// it cannot be shown.
QImage DecodeToFit(const QString& path, QSize box);
// The picture scaled to cover box (keeping proportions), for backgrounds.
QImage DecodeToCover(const QString& path, QSize box);
// The picture stretched to exactly size, proportions not kept (the picture
// sorter's thumbnails).
QImage DecodeToSize(const QString& path, QSize size);

// Whether the picture can be shown: a readable header within the limits; for
// formats other than JPEG also pixel data that decodes at a small size.
bool CanShowPicture(const QString& path);
