#include "pictures/VipsSteps.h"

#include "pictures/PictureIdentify.h"
#include "pictures/VipsLibrary.h"

#include <unistd.h>

QString Undecodable() {
    return QStringLiteral("The picture could not be decoded");
}

qint64 DecodeCost(const PictureInfo& info, QSize out, bool wholePng) {
    const qint64 pixels = qint64(info.stored.width()) * info.stored.height();
    qint64 working = qint64(info.stored.width()) * 256 * 4;
    switch (info.format) {
    case PictureFormat::Heif:
    case PictureFormat::Avif:
        working = pixels * 7;
        break;
    case PictureFormat::Gif:
        working = pixels * 4;
        break;
    case PictureFormat::Png:
        if (wholePng)
            working = pixels * 8;
        break;
    default:
        break;
    }
    return working + qint64(out.width()) * out.height() * 3 * 2;
}

bool InterlacedPng(const PictureFile& file) {
    unsigned char ihdr[29] = {};
    return ::pread(file.fd, ihdr, sizeof ihdr, 0) == sizeof ihdr && ihdr[28] != 0;
}

bool ToRgb8(VipsImageRef& img) {
    if ((vips_image_get_interpretation(img.image) != VIPS_INTERPRETATION_sRGB ||
         img.image->BandFmt != VIPS_FORMAT_UCHAR) &&
        !img.step([](VipsImage* in, VipsImage** out) {
            return vips_colourspace(in, out, VIPS_INTERPRETATION_sRGB, nullptr);
        }))
        return false;
    if (vips_image_hasalpha(img.image) && !img.step([](VipsImage* in, VipsImage** out) {
            VipsArrayDouble* white = vips_array_double_newv(3, 255.0, 255.0, 255.0);
            const int r = vips_flatten(in, out, "background", white, nullptr);
            vips_area_unref(VIPS_AREA(white));
            return r;
        }))
        return false;
    if (img.image->Bands > 3 && !img.step([](VipsImage* in, VipsImage** out) {
            return vips_extract_band(in, out, 0, "n", 3, nullptr);
        }))
        return false;
    if (img.image->BandFmt != VIPS_FORMAT_UCHAR &&
        !img.step([](VipsImage* in, VipsImage** out) { return vips_cast_uchar(in, out, nullptr); }))
        return false;
    return img.image->Bands == 3;
}

bool ResizedTo(VipsImageRef& img, QSize to) {
    const double h = double(to.width()) / img.image->Xsize;
    const double v = double(to.height()) / img.image->Ysize;
    return img.step([&](VipsImage* in, VipsImage** out) {
        return vips_resize(in, out, h, "vscale", v, "kernel", VIPS_KERNEL_LANCZOS3, nullptr);
    });
}

bool ToMemory(VipsImageRef& img) {
    VipsImage* copy = vips_image_copy_memory(img.image);
    if (!copy)
        return false;
    img = VipsImageRef(copy);
    return true;
}

void OwnProfile(VipsImageRef& img) {
    const void* data = nullptr;
    size_t length = 0;
    if (!vips_image_get_typeof(img.image, VIPS_META_ICC_NAME) ||
        vips_image_get_blob(img.image, VIPS_META_ICC_NAME, &data, &length) != 0)
        return;
    const QByteArray profile(static_cast<const char*>(data), qsizetype(length));
    vips_image_remove(img.image, VIPS_META_ICC_NAME);
    vips_image_set_blob_copy(img.image, VIPS_META_ICC_NAME, profile.constData(),
                             size_t(profile.size()));
}

std::optional<OpenedPicture> OpenToDecode(const QString& path, QString* why) {
    std::optional<PictureFile> file = OpenPictureFile(path, why);
    if (!file)
        return std::nullopt;
    const std::optional<PictureInfo> info = IdentifyOpen(*file, why);
    if (!info)
        return std::nullopt;
    if (!VipsReady()) {
        *why = QStringLiteral("The picture library could not be started");
        return std::nullopt;
    }
    return OpenedPicture{std::move(*file), *info};
}
