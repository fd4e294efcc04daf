#include "pictures/BmpReader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {
constexpr int kMaxSide = 1 << 20;

quint32 U32(const unsigned char* p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}
quint16 U16(const unsigned char* p) {
    return quint16(p[0] | p[1] << 8);
}

bool ReadAt(int fd, qint64 at, unsigned char* into, qint64 bytes) {
    while (bytes > 0) {
        const ssize_t n = ::pread(fd, into, std::size_t(bytes), off_t(at));
        if (n <= 0)
            return false;
        into += n;
        at += n;
        bytes -= n;
    }
    return true;
}

// One channel of a 16- or 32-bit pixel, scaled to 0..255.
unsigned Channel(quint32 pixel, quint32 mask) {
    if (mask == 0)
        return 255;
    const int shift = std::countr_zero(mask);
    const quint32 max = mask >> shift;
    return unsigned((quint64((pixel & mask) >> shift) * 255 + max / 2) / max);
}

bool Contiguous(quint32 mask) {
    if (mask == 0)
        return true;
    const quint32 bits = mask >> std::countr_zero(mask);
    return (bits & (bits + 1)) == 0;
}

// Whether a 32-bit picture stored without masks uses its fourth byte:
// writers that do leave some byte non-zero; others leave them all zero.
bool UsesFourthByte(int fd, const BmpLayout& l) {
    std::vector<unsigned char> row(std::size_t(l.stride));
    for (int y = 0; y < l.height; ++y) {
        if (!ReadAt(fd, l.pixelsAt + y * l.stride, row.data(), l.stride))
            return false;
        for (int x = 0; x < l.width; ++x)
            if (row[std::size_t(x) * 4 + 3] != 0)
                return true;
    }
    return false;
}
} // namespace

std::optional<BmpLayout> ReadBmpLayout(int fd, qint64 fileSize, QString* why) {
    const auto refuse = [&](const char* text) -> std::optional<BmpLayout> {
        if (why)
            *why = QString::fromLatin1(text);
        return std::nullopt;
    };
    unsigned char h[70] = {};
    if (fileSize < 54 || !ReadAt(fd, 0, h, std::min<qint64>(sizeof h, fileSize)) || h[0] != 'B' ||
        h[1] != 'M')
        return refuse("The bitmap's header is cut short");
    const quint32 headerSize = U32(h + 14);
    const auto width = qint32(U32(h + 18));
    const auto height = qint32(U32(h + 22));
    const int bits = U16(h + 28);
    const quint32 compression = U32(h + 30);
    if (headerSize < 40 || headerSize > 1024)
        return refuse("Bitmaps of this kind (an old header) are not read");
    if (width <= 0 || height == 0 || height == INT32_MIN || width > kMaxSide ||
        std::abs(height) > kMaxSide)
        return refuse("The bitmap's size is not valid");
    // BI_RGB, BI_BITFIELDS, BI_ALPHABITFIELDS; run-length and embedded JPEG
    // or PNG bitmaps are not read.
    const bool masked = compression == 3 || compression == 6;
    if (!(compression == 0 || (masked && (bits == 16 || bits == 32))))
        return refuse("Compressed bitmaps are not read");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return refuse("The bitmap's number of bits a pixel is not valid");

    BmpLayout l;
    l.width = width;
    l.height = std::abs(height);
    l.topDown = height < 0;
    l.bits = bits;
    l.pixelsAt = U32(h + 10);
    l.stride = (qint64(width) * bits + 31) / 32 * 4;
    if (l.pixelsAt < 14 + qint64(headerSize) || l.pixelsAt + l.stride * l.height > fileSize)
        return refuse("The bitmap is cut short");
    if (masked) {
        // After a 40-byte header the masks follow it; later headers hold them.
        l.masks = {U32(h + 54), U32(h + 58), U32(h + 62),
                   (headerSize >= 56 || compression == 6) ? U32(h + 66) : 0};
    } else if (bits == 16) {
        l.masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else if (bits == 32) {
        l.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
        if (UsesFourthByte(fd, l))
            l.masks[3] = 0xFF000000;
    }
    for (quint32 m : l.masks)
        if (!Contiguous(m))
            return refuse("The bitmap's colour masks are not valid");
    if (bits <= 8) {
        quint32 colours = U32(h + 46);
        if (colours == 0 || colours > (1u << bits))
            colours = 1u << bits;
        const qint64 tableAt = 14 + headerSize + (compression == 3 && headerSize == 40 ? 12 : 0);
        std::vector<unsigned char> table(std::size_t(colours) * 4);
        if (tableAt + qint64(table.size()) > l.pixelsAt ||
            !ReadAt(fd, tableAt, table.data(), qint64(table.size())))
            return refuse("The bitmap's colour table is cut short");
        l.palette.assign(std::size_t(1) << bits, {0, 0, 0});
        for (quint32 i = 0; i < colours; ++i)
            l.palette[i] = {table[i * 4 + 2], table[i * 4 + 1], table[i * 4]};
    }
    return l;
}

std::optional<RgbPixels> ReadBmpShrunk(int fd, const BmpLayout& l, int factor) {
    factor = std::clamp(factor, 1, std::max(l.width, l.height));
    RgbPixels out;
    out.width = (l.width + factor - 1) / factor;
    out.height = (l.height + factor - 1) / factor;
    out.bytes.assign(std::size_t(out.width) * out.height * 3, 0);
    std::vector<unsigned char> stored(std::size_t(l.stride));
    std::vector<quint64> sums(std::size_t(l.width) * 3);
    int band = -1;
    int rows = 0;
    const auto flush = [&] {
        if (band < 0 || rows == 0)
            return;
        unsigned char* dst = out.bytes.data() + std::size_t(band) * out.width * 3;
        for (int x = 0; x < out.width; ++x) {
            const int left = x * factor;
            const int cols = std::min(factor, l.width - left);
            const quint64 count = quint64(cols) * rows;
            for (int c = 0; c < 3; ++c) {
                quint64 sum = 0;
                for (int i = 0; i < cols; ++i)
                    sum += sums[std::size_t(left + i) * 3 + c];
                dst[x * 3 + c] = static_cast<unsigned char>((sum + count / 2) / count);
            }
        }
        std::fill(sums.begin(), sums.end(), 0);
        rows = 0;
    };
    for (int i = 0; i < l.height; ++i) {
        if (!ReadAt(fd, l.pixelsAt + qint64(i) * l.stride, stored.data(), l.stride))
            return std::nullopt;
        const int y = l.topDown ? i : l.height - 1 - i;
        if (y / factor != band) {
            flush();
            band = y / factor;
        }
        const unsigned char* in = stored.data();
        for (int x = 0; x < l.width; ++x) {
            unsigned r, g, b, a = 255;
            if (l.bits <= 8) {
                const int perByte = 8 / l.bits;
                const unsigned index = (in[x / perByte] >> ((perByte - 1 - x % perByte) * l.bits)) &
                                       ((1u << l.bits) - 1);
                const auto& c = l.palette[index];
                r = c[0], g = c[1], b = c[2];
            } else if (l.bits == 24) {
                b = in[x * 3], g = in[x * 3 + 1], r = in[x * 3 + 2];
            } else {
                const quint32 px = l.bits == 16 ? U16(in + x * 2) : U32(in + x * 4);
                r = Channel(px, l.masks[0]), g = Channel(px, l.masks[1]);
                b = Channel(px, l.masks[2]), a = Channel(px, l.masks[3]);
            }
            // Laid on white here: averaging commutes with it.
            quint64* s = &sums[std::size_t(x) * 3];
            s[0] += (r * a + 255 * (255 - a) + 127) / 255;
            s[1] += (g * a + 255 * (255 - a) + 127) / 255;
            s[2] += (b * a + 255 * (255 - a) + 127) / 255;
        }
        ++rows;
    }
    flush();
    return out;
}
