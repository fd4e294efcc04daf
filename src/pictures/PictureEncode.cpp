#include "pictures/PictureEngine.h"

#include "pictures/VipsImageRef.h"

#include <QtEndian>
#include <algorithm>

namespace {
// A copy of the picture's header without EXIF, XMP or IPTC (so without an
// orientation tag: the pixels are upright), keeping its ICC profile.
VipsImageRef WithoutMetadata(VipsImage* image) {
    VipsImage* copy = nullptr;
    if (vips_copy(image, &copy, nullptr) != 0)
        return {};
    for (const char* name :
         {VIPS_META_EXIF_NAME, VIPS_META_ORIENTATION, VIPS_META_XMP_NAME, VIPS_META_IPTC_NAME})
        vips_image_remove(copy, name);
    return VipsImageRef(copy);
}

QByteArray Taken(int result, void* buffer, size_t length) {
    if (result != 0) {
        vips_error_clear();
        return {};
    }
    QByteArray bytes(static_cast<const char*>(buffer), qsizetype(length));
    g_free(buffer);
    return bytes;
}

} // namespace

QByteArray DecodedPicture::jpeg(int quality) const {
    const VipsImageRef plain = WithoutMetadata(image->image);
    if (!plain.image)
        return {};
    void* buffer = nullptr;
    size_t length = 0;
    const int r = vips_jpegsave_buffer(plain.image, &buffer, &length, "Q",
                                       std::clamp(quality, 1, 100), nullptr);
    return Taken(r, buffer, length);
}

QByteArray DecodedPicture::png() const {
    const VipsImageRef plain = WithoutMetadata(image->image);
    if (!plain.image)
        return {};
    void* buffer = nullptr;
    size_t length = 0;
    const int r = vips_pngsave_buffer(plain.image, &buffer, &length, nullptr);
    return Taken(r, buffer, length);
}

QByteArray DecodedPicture::bmp() const {
    const QSize s = size();
    const qint64 stride = (qint64(s.width()) * 3 + 3) / 4 * 4;
    const qint64 total = 54 + stride * s.height();
    if (total > 0x7FFFFFFF)
        return {};
    QByteArray out(total, '\0');
    auto* p = reinterpret_cast<uchar*>(out.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(total), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(s.width(), p + 18);
    qToLittleEndian<qint32>(s.height(), p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    qToLittleEndian<quint32>(quint32(stride * s.height()), p + 34);
    const unsigned char* from = rgb();
    for (int y = 0; y < s.height(); ++y) {
        const unsigned char* in = from + qint64(s.height() - 1 - y) * s.width() * 3;
        uchar* row = p + 54 + qint64(y) * stride;
        for (int x = 0; x < s.width(); ++x) {
            row[x * 3] = in[x * 3 + 2];
            row[x * 3 + 1] = in[x * 3 + 1];
            row[x * 3 + 2] = in[x * 3];
        }
    }
    return out;
}
