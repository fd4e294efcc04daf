#include "TestPictures.h"

#include "pictures/VipsLibrary.h"

#include "pictures/Vips.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTransform>
#include <cstring>

#if PEVRANO_TEST_HEIC
#include <libheif/heif.h>
#include <memory>
#endif

namespace {
// The transform that shows a picture stored with the EXIF orientation upright.
QTransform ShowTransform(int orientation) {
    QTransform t;
    switch (orientation) {
    case 2:
        return t.scale(-1, 1);
    case 3:
        return t.rotate(180);
    case 4:
        return t.scale(1, -1);
    // The last operation named applies first: 5 and 7 mirror, then turn.
    case 5:
        return t.rotate(270).scale(-1, 1);
    case 6:
        return t.rotate(90);
    case 7:
        return t.rotate(90).scale(-1, 1);
    case 8:
        return t.rotate(270);
    default:
        return t;
    }
}
} // namespace

QImage StoredFor(const QImage& upright, int orientation) {
    return upright.transformed(ShowTransform(orientation).inverted());
}

bool CanWriteHeic() {
#if PEVRANO_TEST_HEIC
    return heif_have_encoder_for_format(heif_compression_HEVC);
#else
    return false;
#endif
}

bool WriteHeic(const QImage& image, const QString& path, int quality, int orientation) {
#if PEVRANO_TEST_HEIC
    const QImage stored = StoredFor(image, orientation)
                              .convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                                       : QImage::Format_RGB888);
    const bool alpha = image.hasAlphaChannel();
    const std::unique_ptr<heif_context, void (*)(heif_context*)> context(heif_context_alloc(),
                                                                         heif_context_free);
    heif_encoder* rawEncoder = nullptr;
    if (heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &rawEncoder)
            .code != heif_error_Ok)
        return false;
    const std::unique_ptr<heif_encoder, void (*)(heif_encoder*)> encoder(rawEncoder,
                                                                         heif_encoder_release);
    heif_encoder_set_lossy_quality(encoder.get(), quality);
    heif_image* rawImage = nullptr;
    if (heif_image_create(stored.width(), stored.height(), heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          &rawImage)
            .code != heif_error_Ok)
        return false;
    const std::unique_ptr<heif_image, void (*)(const heif_image*)> pixels(rawImage,
                                                                          heif_image_release);
    if (heif_image_add_plane(rawImage, heif_channel_interleaved, stored.width(), stored.height(), 8)
            .code != heif_error_Ok)
        return false;
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(rawImage, heif_channel_interleaved, &stride);
    const qsizetype rowBytes = stored.width() * (alpha ? 4 : 3);
    for (int y = 0; y < stored.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, stored.constScanLine(y), size_t(rowBytes));
    if (image.colorSpace().isValid()) {
        const QByteArray icc = image.colorSpace().iccProfile();
        heif_image_set_raw_color_profile(rawImage, "prof", icc.constData(), size_t(icc.size()));
    }
    const std::unique_ptr<heif_encoding_options, void (*)(heif_encoding_options*)> options(
        heif_encoding_options_alloc(), heif_encoding_options_free);
    options->image_orientation = static_cast<heif_orientation>(orientation);
    if (heif_context_encode_image(context.get(), rawImage, encoder.get(), options.get(), nullptr)
            .code != heif_error_Ok)
        return false;
    return heif_context_write_to_file(context.get(), QFile::encodeName(path).constData()).code ==
           heif_error_Ok;
#else
    (void)image, (void)path, (void)quality, (void)orientation;
    return false;
#endif
}

bool SavePicture(const QImage& image, const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".heic")) || lower.endsWith(QLatin1String(".heif")))
        return WriteHeic(image, path);
    // The format from the extension in any case ("b.WEBP").
    return image.save(path, QFileInfo(path).suffix().toLower().toLatin1().constData());
}

namespace {
void AppendLe(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

void AppendChunk(QByteArray& bytes, const char* tag, const QByteArray& payload) {
    bytes.append(tag, 4);
    AppendLe(bytes, quint32(payload.size()), 4);
    bytes.append(payload);
    if (payload.size() % 2)
        bytes.append('\0');
}
} // namespace

bool WriteAnimatedWebp(const QList<QImage>& frames, const QString& path) {
    if (frames.isEmpty())
        return false;
    const QSize size = frames.front().size();
    QByteArray body("WEBP");
    QByteArray header;
    AppendLe(header, 0x02, 4); // the animation flag, then reserved bits
    AppendLe(header, quint32(size.width() - 1), 3);
    AppendLe(header, quint32(size.height() - 1), 3);
    AppendChunk(body, "VP8X", header);
    QByteArray animation;
    AppendLe(animation, 0xFFFFFFFF, 4); // background colour
    AppendLe(animation, 0, 2);          // loop for ever
    AppendChunk(body, "ANIM", animation);
    for (const QImage& frame : frames) {
        // Qt writes a still WebP: RIFF, size, "WEBP", then the one image
        // chunk ("VP8 " or "VP8L") that the frame takes whole.
        QByteArray still;
        QBuffer buffer(&still);
        buffer.open(QIODevice::WriteOnly);
        if (!frame.convertToFormat(QImage::Format_RGB32).save(&buffer, "webp", 100) ||
            still.size() < 20 || !still.mid(12, 3).startsWith("VP8"))
            return false;
        QByteArray frameChunk;
        AppendLe(frameChunk, 0, 3); // x / 2
        AppendLe(frameChunk, 0, 3); // y / 2
        AppendLe(frameChunk, quint32(size.width() - 1), 3);
        AppendLe(frameChunk, quint32(size.height() - 1), 3);
        AppendLe(frameChunk, 100, 3); // milliseconds
        AppendLe(frameChunk, 0, 1);   // blend, keep
        frameChunk.append(still.mid(12));
        AppendChunk(body, "ANMF", frameChunk);
    }
    QByteArray file("RIFF");
    AppendLe(file, quint32(body.size()), 4);
    file.append(body);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

bool WriteDamagedPicture(const QString& path) {
    QImage image(160, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int x = 0; x < image.width(); x += 8)
        painter.fillRect(x, 0, 8, image.height(), QColor::fromHsv(x * 2 % 360, 200, 220));
    painter.end();
    if (!SavePicture(image, path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    // The start of the file and its header stay; the pixel data is cut short.
    return file.resize(file.size() / 3);
}

bool WriteWithVips(const QImage& image, const QString& path, const QString& options,
                   int orientation, const QString& icc) {
    VipsReady(); // started as the program starts it, with its loaders alone
    const bool alpha = image.hasAlphaChannel();
    const QImage rgb =
        image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int bands = alpha ? 4 : 3;
    QByteArray packed;
    for (int y = 0; y < rgb.height(); ++y)
        packed.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * bands);
    VipsImage* in =
        vips_image_new_from_memory_copy(packed.constData(), size_t(packed.size()), rgb.width(),
                                        rgb.height(), bands, VIPS_FORMAT_UCHAR);
    if (!in)
        return false;
    in->Type = VIPS_INTERPRETATION_sRGB;
    if (orientation > 0)
        vips_image_set_int(in, VIPS_META_ORIENTATION, orientation);
    VipsImage* out = in;
    if (!icc.isEmpty()) {
        VipsImage* lab = nullptr;
        if (vips_colourspace(in, &lab, VIPS_INTERPRETATION_LAB, nullptr) != 0 ||
            vips_icc_export(lab, &out, "output_profile", icc.toUtf8().constData(), nullptr) != 0) {
            g_object_unref(in);
            return false;
        }
        g_object_unref(lab);
        g_object_unref(in);
    }
    const QByteArray target = QFile::encodeName(path + options);
    const bool ok = vips_image_write_to_file(out, target.constData(), nullptr) == 0;
    g_object_unref(out);
    return ok;
}

QByteArray BitmapBytes(const QImage& image, bool alpha, bool topDown) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height(), bpp = alpha ? 4 : 3;
    const int stride = (w * bpp + 3) / 4 * 4;
    const int headerSize = alpha ? 108 : 40;
    const int offset = 14 + headerSize;
    QByteArray bytes("BM");
    AppendLe(bytes, quint32(offset + stride * h), 4);
    AppendLe(bytes, 0, 4);
    AppendLe(bytes, quint32(offset), 4);
    AppendLe(bytes, quint32(headerSize), 4);
    AppendLe(bytes, quint32(w), 4);
    AppendLe(bytes, quint32(topDown ? -h : h), 4);
    AppendLe(bytes, 1, 2);
    AppendLe(bytes, quint32(bpp * 8), 2);
    AppendLe(bytes, alpha ? 3 : 0, 4); // BI_BITFIELDS with its masks, or BI_RGB
    AppendLe(bytes, quint32(stride * h), 4);
    for (int i = 0; i < 4; ++i)
        AppendLe(bytes, 0, 4);
    if (alpha) {
        for (quint32 mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
            AppendLe(bytes, mask, 4);
        bytes.append(QByteArray(headerSize - 56, '\0'));
    }
    for (int i = 0; i < h; ++i) {
        const int y = topDown ? i : h - 1 - i;
        QByteArray row;
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            row.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            if (alpha)
                row.append(char(qAlpha(c)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        bytes.append(row);
    }
    return bytes;
}

bool VipsOpensFile(const QString& path) {
    VipsReady(); // started as the program starts it, with its loaders alone
    VipsImage* image = vips_image_new_from_file(QFile::encodeName(path).constData(), nullptr);
    if (!image) {
        vips_error_clear();
        return false;
    }
    g_object_unref(image);
    return true;
}

namespace {
VipsImage* Loaded(const QString& path) {
    VipsReady(); // started as the program starts it, with its loaders alone
    return vips_image_new_from_file(QFile::encodeName(path).constData(), "access",
                                    VIPS_ACCESS_RANDOM, nullptr);
}

// The mean absolute error of `copy` against `source` reduced to its size.
double ErrorAgainstReference(VipsImage* source, VipsImage* copy) {
    VipsImage* reference = nullptr;
    VipsImage* difference = nullptr;
    VipsImage* magnitude = nullptr;
    double mean = -1;
    if (vips_resize(source, &reference, double(copy->Xsize) / source->Xsize, "vscale",
                    double(copy->Ysize) / source->Ysize, "kernel", VIPS_KERNEL_LANCZOS3,
                    nullptr) == 0 &&
        vips_subtract(copy, reference, &difference, nullptr) == 0 &&
        vips_abs(difference, &magnitude, nullptr) == 0 && vips_avg(magnitude, &mean, nullptr) != 0)
        mean = -1;
    for (VipsImage* i : {reference, difference, magnitude})
        if (i)
            g_object_unref(i);
    vips_error_clear();
    return mean;
}
} // namespace

double LanczosError(const QString& source, const QString& copy) {
    VipsImage* s = Loaded(source);
    VipsImage* c = Loaded(copy);
    const double e = s && c ? ErrorAgainstReference(s, c) : -1;
    for (VipsImage* i : {s, c})
        if (i)
            g_object_unref(i);
    return e;
}

double VipsThumbnailError(const QString& source, QSize box) {
    VipsReady(); // started as the program starts it, with its loaders alone
    VipsImage* s = Loaded(source);
    VipsImage* t = nullptr;
    double e = -1;
    if (s && vips_thumbnail(QFile::encodeName(source).constData(), &t, box.width(), "height",
                            box.height(), nullptr) == 0) {
        // Encoded as the compile encodes its sizes, so both pay the same.
        void* buffer = nullptr;
        size_t length = 0;
        if (vips_jpegsave_buffer(t, &buffer, &length, "Q", 85, nullptr) == 0) {
            VipsImage* c = vips_image_new_from_buffer(buffer, length, "", nullptr);
            if (c) {
                e = ErrorAgainstReference(s, c);
                g_object_unref(c);
            }
            g_free(buffer);
        }
    }
    for (VipsImage* i : {s, t})
        if (i)
            g_object_unref(i);
    vips_error_clear();
    return e;
}

QImage Quarters(QSize size, bool transparentCorner) {
    QImage image(size, transparentCorner ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = size.width() / 2, h = size.height() / 2;
    image.fill(Qt::yellow);
    QPainter painter(&image);
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    if (transparentCorner) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::transparent);
    }
    return image;
}
