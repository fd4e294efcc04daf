#include "pictures/PictureEngine.h"

#include "pictures/BmpReader.h"
#include "pictures/PictureIdentify.h"
#include "pictures/VipsLibrary.h"

#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {
QString Undecodable() {
    return QStringLiteral("The picture could not be decoded");
}

// What a decode may take beside its result: the decoders that hold the
// whole picture (libheif, GIF frames, interlaced PNG) their full size, the
// others a band of rows.
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

// Interlaced PNGs come in passes over the whole picture, so their loader
// holds all of it.
bool InterlacedPng(const PictureFile& file) {
    unsigned char ihdr[29] = {};
    return ::pread(file.fd, ihdr, sizeof ihdr, 0) == sizeof ihdr && ihdr[28] != 0;
}

// The thumbnail's result made an 8-bit sRGB (or kept RGB profile) picture of
// three channels on white.
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

// `img` reduced to exactly `to` with a Lanczos-3 filter.
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

// libvips 8.14's HEIF loader lends the picture its profile from memory it
// frees when the loader closes, which the picture outlives: the picture gets
// a copy of its own while the loader is still open.
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

// A cut-off file is refused rather than shown with its missing part grey.
constexpr const char* kLoadOptions = "fail_on=truncated";

bool ThumbnailOf(const PictureFile& file, const PictureInfo& info, QSize box,
                 const DecodeOptions& options, VipsImageRef& out) {
    VipsSource* source = vips_source_new_from_descriptor(file.fd);
    if (!source)
        return false;
    const bool heif = info.format == PictureFormat::Heif || info.format == PictureFormat::Avif;
    VipsImage* thumb = nullptr;
    // CMYK always goes to sRGB through its profile (or libvips' CMYK one);
    // RGB profiles are converted only when sRGB is asked for.
    const bool export_srgb = info.cmyk || options.toSrgb;
    // A picture without a profile of its own is taken as sRGB (CMYK as
    // libvips' CMYK) through lcms too: libvips' other way there, through its
    // own sRGB to Lab, turns pure blue purple (0,0,255 becomes 85,15,253).
    const char* assumed = info.cmyk ? "cmyk" : "srgb";
    const int r = export_srgb
                      ? vips_thumbnail_source(source, &thumb, box.width(), "height", box.height(),
                                              "size", VIPS_SIZE_DOWN, "no_rotate", heif,
                                              "import_profile", assumed, "export_profile", "srgb",
                                              "option_string", kLoadOptions, nullptr)
                      : vips_thumbnail_source(source, &thumb, box.width(), "height", box.height(),
                                              "size", VIPS_SIZE_DOWN, "no_rotate", heif,
                                              "option_string", kLoadOptions, nullptr);
    g_object_unref(source);
    if (r != 0)
        return false;
    out = VipsImageRef(thumb);
    // After an sRGB export the pixels are sRGB: the profile need not go along.
    if (export_srgb)
        vips_image_remove(out.image, VIPS_META_ICC_NAME);
    else
        OwnProfile(out);
    return ToRgb8(out) && ToMemory(out);
}

bool BmpOf(const PictureFile& file, const PictureInfo& info, QSize box, VipsImageRef& out) {
    const std::optional<BmpLayout> layout = ReadBmpLayout(file.fd, file.size, nullptr);
    if (!layout)
        return false;
    const QSize target = FittedSize(info.upright, box);
    // Averaged down while read, leaving at least a factor of two to the filter.
    const int factor = std::max(
        1,
        std::min(info.stored.width() / target.width(), info.stored.height() / target.height()) / 2);
    const std::optional<RgbPixels> pixels = ReadBmpShrunk(file.fd, *layout, factor);
    if (!pixels)
        return false;
    VipsImage* img =
        vips_image_new_from_memory_copy(pixels->bytes.data(), pixels->bytes.size(), pixels->width,
                                        pixels->height, 3, VIPS_FORMAT_UCHAR);
    if (!img)
        return false;
    out = VipsImageRef(img);
    out.image->Type = VIPS_INTERPRETATION_sRGB;
    if (target != QSize(pixels->width, pixels->height) && !ResizedTo(out, target))
        return false;
    return ToMemory(out);
}
} // namespace

// Builds DecodedPicture, whose constructor is the engine's own.
struct PictureDecoder {
    static DecodedPicture make(VipsImageRef image, bool severalFrames, DecodeBudget::Ticket t) {
        return DecodedPicture(std::make_unique<VipsImageRef>(std::move(image)), severalFrames,
                              std::move(t));
    }
    static const VipsImageRef& ref(const DecodedPicture& p) { return *p.image; }
};

Decoded DecodePicture(const QString& path, const DecodeOptions& options, DecodeBudget* budget) {
    Decoded result;
    const std::optional<PictureFile> file = OpenPictureFile(path, &result.refusal);
    if (!file)
        return result;
    const std::optional<PictureInfo> info = IdentifyOpen(*file, &result.refusal);
    if (!info)
        return result;
    if (!VipsReady()) {
        result.refusal = QStringLiteral("The picture library could not be started");
        return result;
    }
    const QSize box = options.box.isEmpty() ? info->upright : options.box;
    const QSize out = FittedSize(info->upright, box);
    DecodeBudget::Ticket ticket;
    if (budget)
        ticket = budget->take(
            DecodeCost(*info, out, info->format == PictureFormat::Png && InterlacedPng(*file)));
    VipsImageRef image;
    const bool ok = info->format == PictureFormat::Bmp
                        ? BmpOf(*file, *info, box, image)
                        : ThumbnailOf(*file, *info, box, options, image);
    if (!ok) {
        vips_error_clear();
        result.refusal = Undecodable();
        return result;
    }
    ticket.shrinkTo(qint64(image.image->Xsize) * image.image->Ysize * 3);
    result.picture = PictureDecoder::make(std::move(image), info->frames > 1, std::move(ticket));
    return result;
}

DecodedPicture::DecodedPicture(std::unique_ptr<VipsImageRef> image, bool severalFrames,
                               DecodeBudget::Ticket ticket)
    : image(std::move(image)), severalFrames(severalFrames), ticket(std::move(ticket)) {}
DecodedPicture::DecodedPicture(DecodedPicture&&) noexcept = default;
DecodedPicture& DecodedPicture::operator=(DecodedPicture&&) noexcept = default;
DecodedPicture::~DecodedPicture() = default;

QSize DecodedPicture::size() const {
    return {image->image->Xsize, image->image->Ysize};
}

const unsigned char* DecodedPicture::rgb() const {
    return static_cast<const unsigned char*>(VIPS_IMAGE_ADDR(image->image, 0, 0));
}

QByteArray DecodedPicture::iccProfile() const {
    const void* data = nullptr;
    size_t length = 0;
    if (!vips_image_get_typeof(image->image, VIPS_META_ICC_NAME) ||
        vips_image_get_blob(image->image, VIPS_META_ICC_NAME, &data, &length) != 0)
        return {};
    return QByteArray(static_cast<const char*>(data), qsizetype(length));
}

std::optional<DecodedPicture> DecodedPicture::fitted(QSize box) const {
    const QSize from = size();
    const QSize to = FittedSize(from, box);
    if (to.isEmpty())
        return std::nullopt;
    g_object_ref(image->image);
    VipsImageRef out(image->image);
    if ((to != from && !ResizedTo(out, to)) || !ToMemory(out)) {
        vips_error_clear();
        return std::nullopt;
    }
    return PictureDecoder::make(std::move(out), severalFrames, {});
}
