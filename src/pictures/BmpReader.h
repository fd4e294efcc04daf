#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

// Windows bitmaps, read by the program itself a row at a time (libvips reads
// BMP only through ImageMagick, which is not let in): uncompressed 1, 4 and
// 8 bits a pixel with a palette, 16 and 32 bits with their masks (alpha
// included), 24 bits; stored bottom up or top down (a negative height).

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    qint64 pixelsAt = 0;                               // file offset of the first stored row
    qint64 stride = 0;                                 // bytes a stored row takes
    std::array<quint32, 4> masks{};                    // red, green, blue, alpha (16 and 32 bits)
    std::vector<std::array<unsigned char, 3>> palette; // red, green, blue
};

// The layout the headers of an open file describe, checked against the
// file's size (a file cut short is refused); none for what this reader does
// not read, `why` saying what.
std::optional<BmpLayout> ReadBmpLayout(int fd, qint64 fileSize, QString* why);

// The picture as rows of red, green, blue bytes, transparent parts laid on
// white, every `factor` x `factor` block averaged into one pixel while the
// rows are read, so only the reduced picture is ever whole in memory.
struct RgbPixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bytes; // width * 3 bytes a row, top row first
};
std::optional<RgbPixels> ReadBmpShrunk(int fd, const BmpLayout& layout, int factor);
