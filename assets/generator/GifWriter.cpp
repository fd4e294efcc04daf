#include "GifWriter.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

void PutWord(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first into data
// sub-blocks of at most 255 bytes.
class CodeStream {
public:
    explicit CodeStream(QByteArray& out) : out(out) {}
    void put(std::uint32_t code, int width) {
        bits |= code << count;
        count += width;
        while (count >= 8) {
            byte(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    void finish() {
        if (count > 0)
            byte(char(bits & 0xFF));
        flushBlock();
        out.append('\0'); // block terminator
    }

private:
    void byte(char b) {
        block.append(b);
        if (block.size() == 255)
            flushBlock();
    }
    void flushBlock() {
        if (block.isEmpty())
            return;
        out.append(char(block.size()));
        out.append(block);
        block.clear();
    }
    QByteArray& out;
    QByteArray block;
    std::uint32_t bits = 0;
    int count = 0;
};

void Compress(const QImage& img, QByteArray& out) {
    constexpr int kMinCodeSize = 8;
    constexpr std::uint32_t kClear = 1u << kMinCodeSize;
    constexpr std::uint32_t kMaxCode = 4095;
    out.append(char(kMinCodeSize));
    CodeStream stream(out);
    // next[code * 256 + pixel]: the code of that string plus one pixel, 0 = none.
    std::vector<std::uint16_t> next(4096 * 256, 0);
    int codeSize = kMinCodeSize + 1;
    std::uint32_t lastCode = kClear + 1;
    std::int32_t current = -1;
    stream.put(kClear, codeSize);
    for (int y = 0; y < img.height(); ++y) {
        const uchar* row = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            const std::uint32_t pixel = row[x];
            if (current < 0) {
                current = std::int32_t(pixel);
                continue;
            }
            std::uint16_t& link = next[std::size_t(current) * 256 + pixel];
            if (link) {
                current = link;
                continue;
            }
            stream.put(std::uint32_t(current), codeSize);
            link = std::uint16_t(++lastCode);
            if (lastCode >= (1u << codeSize))
                ++codeSize;
            if (lastCode == kMaxCode) {
                // The table is full: start a fresh one.
                stream.put(kClear, codeSize);
                std::fill(next.begin(), next.end(), 0);
                codeSize = kMinCodeSize + 1;
                lastCode = kClear + 1;
            }
            current = std::int32_t(pixel);
        }
    }
    if (current >= 0)
        stream.put(std::uint32_t(current), codeSize);
    stream.put(kClear + 1, codeSize); // end of information
    stream.finish();
}

} // namespace

QByteArray EncodeGif(const QImage& indexed) {
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8);
    QByteArray out("GIF89a");
    PutWord(out, indexed.width());
    PutWord(out, indexed.height());
    out.append(char(0xF7)); // global table of 256 entries, 8 bits per primary
    out.append('\0');       // background colour index
    out.append('\0');       // square pixels
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, indexed.width());
    PutWord(out, indexed.height());
    out.append('\0'); // no local table, not interlaced
    Compress(indexed, out);
    out.append(';');
    return out;
}

QImage ToIndexed(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage out(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, int> index;
    bool fits = true;
    for (int y = 0; y < rgb.height() && fits; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            auto it = index.constFind(row[x]);
            if (it == index.constEnd()) {
                if (table.size() == 256) {
                    fits = false;
                    break;
                }
                it = index.insert(row[x], int(table.size()));
                table.append(row[x]);
            }
            out.scanLine(y)[x] = uchar(*it);
        }
    }
    if (fits) {
        out.setColorTable(table);
        return out;
    }
    // 6 reds x 7 greens x 6 blues, with a 4x4 Bayer matrix for the steps.
    static constexpr std::array<int, 16> kBayer{0, 8,  2, 10, 12, 4, 14, 6,
                                                3, 11, 1, 9,  15, 7, 13, 5};
    table.clear();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b)
                table.append(qRgb(r * 255 / 5, g * 255 / 6, b * 255 / 5));
    out.setColorTable(table);
    auto level = [](int value, int steps, int threshold) {
        const int scaled = value * (steps - 1) * 16 + threshold * 255;
        return std::min(steps - 1, scaled / (255 * 16));
    };
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const int t = kBayer[(y % 4) * 4 + x % 4];
            const int r = level(qRed(row[x]), 6, t);
            const int g = level(qGreen(row[x]), 7, t);
            const int b = level(qBlue(row[x]), 6, t);
            dst[x] = uchar(r * 42 + g * 6 + b);
        }
    }
    return out;
}
