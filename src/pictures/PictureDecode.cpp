#include "pictures/PictureEngine.h"

#include "pictures/BmpReader.h"
#include "pictures/PictureIdentify.h"
#include "pictures/VipsLibrary.h"
#include "pictures/VipsSteps.h"

#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {
bool ThumbnailOf(const PictureFile& file, const PictureInfo& info, QSize box,
                 const DecodeOptions& options, VipsImageRef& out) {
    VipsSource* source = vips_source_new_from_descriptor(file.fd);
    if (!source)
        return false;
    const bool heif = info.format == PictureFormat::Heif || info.format == PictureFormat::Avif;
    VipsImage* thumb = nullptr;
    // CMYK always goes to sRGB through its profile (or libvips' CMYK one);
    // RGB profiles are converted only when sRGB is asked for. A picture
    // without a profile is taken as sRGB already and not converted at all.
    const bool export_srgb = info.cmyk || (options.toSrgb && info.profile);
    // A CMYK picture without a profile of its own goes through lcms with
    // libvips' CMYK profile: libvips' other way there, through its own Lab,
    // turns colours (pure blue becomes purple).
    const char* assumed = info.cmyk ? "cmyk" : "srgb";
    const int r = export_srgb
                      ? vips_thumbnail_source(source, &thumb, box.width(), "height", box.height(),
                                              "size", VIPS_SIZE_DOWN, "no_rotate", heif,
                                              "import_profile", assumed, "export_profile", "srgb",
                                              "option_string", kTruncatedFails, nullptr)
                      : vips_thumbnail_source(source, &thumb, box.width(), "height", box.height(),
                                              "size", VIPS_SIZE_DOWN, "no_rotate", heif,
                                              "option_string", kTruncatedFails, nullptr);
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

Decoded DecodePicture(const QString& path, const DecodeOptions& options, DecodeBudget* budget) {
    QString refusal;
    const std::optional<OpenedPicture> opened = OpenToDecode(path, &refusal);
    if (!opened)
        return {std::nullopt, refusal};
    return DecodeOpened(*opened, options, budget);
}

Decoded DecodeOpened(const OpenedPicture& opened, const DecodeOptions& options,
                     DecodeBudget* budget) {
    Decoded result;
    const PictureFile& file = opened.file;
    const PictureInfo* info = &opened.info;
    const QSize box = options.box.isEmpty() ? info->upright
                      : options.cover       ? CoverBox(info->upright, options.box)
                                            : options.box;
    const QSize out = FittedSize(info->upright, box);
    DecodeBudget::Ticket ticket;
    if (budget)
        ticket = budget->take(
            DecodeCost(*info, out, info->format == PictureFormat::Png && InterlacedPng(file)));
    VipsImageRef image;
    const bool ok = info->format == PictureFormat::Bmp
                        ? BmpOf(file, *info, box, image)
                        : ThumbnailOf(file, *info, box, options, image);
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
