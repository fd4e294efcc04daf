#include "compiler/ui/LargePictureReader.h"

#include "compiler/ui/RowShrinker.h"

#include <QColorSpace>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <optional>
#include <png.h>
#include <vector>

namespace {
// The whole factor the picture is averaged down by while it is read: the
// largest that still covers `wanted`.
int ShrinkFactor(QSize stored, QSize wanted) {
    if (wanted.isEmpty())
        return 1;
    const int ratio = std::min(stored.width() / wanted.width(), stored.height() / wanted.height());
    return std::max(1, ratio);
}

// Straight alpha to premultiplied, in place, for one row of BGRA bytes.
void Premultiply(uchar* row, int width) {
    for (int x = 0; x < width; ++x, row += 4)
        for (int c = 0; c < 3; ++c)
            row[c] = static_cast<uchar>((row[c] * row[3] + 127) / 255);
}

// libpng reports errors by a long jump back into ReadPng; everything that
// must survive the jump lives here, reached through a pointer made before it.
struct PngRead {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::optional<RowShrinker> shrinker;
    std::vector<uchar> row;
    QByteArray icc;
    ~PngRead() {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (file)
            std::fclose(file);
    }
};

void PngWarning(png_structp, png_const_charp) {}

QImage ReadPng(const QString& path, QSize wanted) {
    auto r = std::make_unique<PngRead>();
    r->file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!r->file)
        return {};
    r->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, &PngWarning);
    if (!r->png)
        return {};
    r->info = png_create_info_struct(r->png);
    if (!r->info)
        return {};
    PngRead* read = r.get();
    if (setjmp(png_jmpbuf(read->png)))
        return {};
    png_init_io(read->png, read->file);
    png_read_info(read->png, read->info);
    const png_uint_32 width = png_get_image_width(read->png, read->info);
    const png_uint_32 height = png_get_image_height(read->png, read->info);
    // An interlaced picture comes in passes over the whole of it: not in rows.
    if (png_get_interlace_type(read->png, read->info) != PNG_INTERLACE_NONE || width == 0 ||
        height == 0 || width > 1u << 20 || height > 1u << 20)
        return {};
    const int type = png_get_color_type(read->png, read->info);
    const bool alpha =
        (type & PNG_COLOR_MASK_ALPHA) || png_get_valid(read->png, read->info, PNG_INFO_tRNS);
    png_set_expand(read->png);
    png_set_strip_16(read->png);
    png_set_gray_to_rgb(read->png);
    png_set_bgr(read->png);
    if (!alpha)
        png_set_filler(read->png, 0xff, PNG_FILLER_AFTER);
    png_read_update_info(read->png, read->info);
    if (png_get_rowbytes(read->png, read->info) != std::size_t(width) * 4)
        return {};
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 length = 0;
    if (png_get_iCCP(read->png, read->info, &name, &compression, &profile, &length))
        read->icc = QByteArray(reinterpret_cast<const char*>(profile), int(length));
    read->row.resize(std::size_t(width) * 4);
    read->shrinker.emplace(int(width), int(height),
                           ShrinkFactor(QSize(int(width), int(height)), wanted),
                           alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (png_uint_32 y = 0; y < height; ++y) {
        png_read_row(read->png, read->row.data(), nullptr);
        if (alpha)
            Premultiply(read->row.data(), int(width));
        read->shrinker->addRow(int(y), read->row.data());
    }
    QImage image = read->shrinker->take();
    if (!read->icc.isEmpty())
        image.setColorSpace(QColorSpace::fromIccProfile(read->icc));
    return image;
}

// Uncompressed Windows bitmaps of 8 (with a palette), 24 or 32 bits a pixel,
// read bottom up or top down as stored.
QImage ReadBmp(const QString& path, QSize wanted) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(54);
    if (head.size() < 54 || !head.startsWith("BM"))
        return {};
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(head.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(head.constData() + at); };
    const quint32 offset = u32(10);
    const quint32 headerSize = u32(14);
    const qint32 width = qint32(u32(18));
    const qint32 storedHeight = qint32(u32(22));
    const int bits = u16(28);
    const quint32 compression = u32(30);
    quint32 colours = u32(46);
    if (headerSize < 40 || width <= 0 || storedHeight == 0 || storedHeight == INT32_MIN ||
        width > (1 << 20) || std::abs(storedHeight) > (1 << 20))
        return {};
    // BI_RGB, or BI_BITFIELDS at 32 bits (read as the usual byte order).
    if (!(compression == 0 || (compression == 3 && bits == 32)) ||
        !(bits == 8 || bits == 24 || bits == 32))
        return {};
    const int height = std::abs(storedHeight);
    const bool bottomUp = storedHeight > 0;
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    if (qint64(offset) + stride * height > file.size())
        return {}; // cut short
    std::vector<QRgb> palette;
    if (bits == 8) {
        if (colours == 0 || colours > 256)
            colours = 256;
        if (!file.seek(14 + headerSize))
            return {};
        const QByteArray table = file.read(qint64(colours) * 4);
        if (table.size() != qint64(colours) * 4)
            return {};
        palette.assign(256, qRgb(0, 0, 0));
        for (quint32 i = 0; i < colours; ++i) {
            const auto* p = reinterpret_cast<const uchar*>(table.constData()) + i * 4;
            palette[i] = qRgb(p[2], p[1], p[0]);
        }
    }
    if (!file.seek(offset))
        return {};
    RowShrinker shrinker(width, height, ShrinkFactor(QSize(width, height), wanted),
                         QImage::Format_RGB32);
    QByteArray stored(stride, Qt::Uninitialized);
    std::vector<uchar> row(std::size_t(width) * 4);
    for (int i = 0; i < height; ++i) {
        if (file.read(stored.data(), stride) != stride)
            return {};
        const auto* in = reinterpret_cast<const uchar*>(stored.constData());
        for (int x = 0; x < width; ++x) {
            uchar* px = &row[std::size_t(x) * 4];
            if (bits == 8) {
                const QRgb c = palette[in[x]];
                px[0] = uchar(qBlue(c));
                px[1] = uchar(qGreen(c));
                px[2] = uchar(qRed(c));
            } else {
                const uchar* p = in + x * (bits / 8);
                px[0] = p[0];
                px[1] = p[1];
                px[2] = p[2];
            }
            px[3] = 0xff;
        }
        shrinker.addRow(bottomUp ? height - 1 - i : i, row.data());
    }
    return shrinker.take();
}
} // namespace

QImage ReadLargePicture(const QString& path, const QByteArray& format, QSize wanted) {
    if (!QFileInfo(path).isFile())
        return {};
    if (format == "png")
        return ReadPng(path, wanted);
    if (format == "bmp")
        return ReadBmp(path, wanted);
    return {};
}
