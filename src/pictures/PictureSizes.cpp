#include "pictures/PictureEngine.h"

#include "pictures/PictureIdentify.h"
#include "pictures/VipsLibrary.h"
#include "pictures/VipsSteps.h"

#include <utility>

namespace {
// Decodes held whole past this are made one size at a time instead, each
// streamed from the file.
constexpr qint64 kOneDecodeBytes = 256LL << 20;

// Formats decoded at full size whatever the size wanted: their sizes are
// made from one decode.
bool DecodedWhole(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png:
    case PictureFormat::Gif:
    case PictureFormat::Tiff:
    case PictureFormat::Heif:
    case PictureFormat::Avif:
        return true;
    default:
        return false;
    }
}

// The picture loaded whole, three 8-bit channels on white (CMYK kept as it
// is, for its profile), in memory and still as stored (not turned).
bool LoadWhole(const PictureFile& file, const PictureInfo& info, VipsImageRef& out) {
    VipsSource* source = vips_source_new_from_descriptor(file.fd);
    if (!source)
        return false;
    out = VipsImageRef(vips_image_new_from_source(source, kTruncatedFails, "access",
                                                  VIPS_ACCESS_SEQUENTIAL, nullptr));
    g_object_unref(source);
    if (!out.image)
        return false;
    OwnProfile(out);
    return (info.cmyk || ToRgb8(out)) && ToMemory(out);
}

// One size of the loaded picture: reduced, turned upright, CMYK made sRGB.
bool SizeOf(const VipsImageRef& whole, const PictureInfo& info, QSize upright, VipsImageRef& out) {
    g_object_ref(whole.image);
    out = VipsImageRef(whole.image);
    const QSize stored = info.orientation >= 5 ? upright.transposed() : upright;
    if (stored != QSize(whole.image->Xsize, whole.image->Ysize) && !ResizedTo(out, stored))
        return false;
    if (info.orientation != 1 &&
        !out.step([](VipsImage* in, VipsImage** next) { return vips_autorot(in, next, nullptr); }))
        return false;
    if (info.cmyk) {
        if (!out.step([](VipsImage* in, VipsImage** next) {
                return vips_icc_transform(in, next, "srgb", "input_profile", "cmyk", "embedded",
                                          TRUE, nullptr);
            }))
            return false;
        vips_image_remove(out.image, VIPS_META_ICC_NAME);
        if (!ToRgb8(out))
            return false;
    }
    return ToMemory(out);
}

// A decode per size, the file opened and identified once.
DecodedSizes EachOnItsOwn(const OpenedPicture& opened, const std::vector<QSize>& boxes,
                          DecodeBudget* budget) {
    DecodedSizes result;
    for (QSize box : boxes) {
        Decoded decoded = DecodeOpened(opened, {box, false}, budget);
        if (!decoded.ok())
            return {{}, decoded.refusal};
        result.pictures.push_back(std::move(*decoded.picture));
    }
    return result;
}
} // namespace

DecodedSizes DecodePictureSizes(const QString& path, const std::vector<QSize>& boxes,
                                DecodeBudget* budget) {
    DecodedSizes result;
    const std::optional<OpenedPicture> opened = OpenToDecode(path, &result.refusal);
    if (!opened)
        return result;
    if (boxes.size() < 2)
        return EachOnItsOwn(*opened, boxes, budget);
    const PictureFile& file = opened->file;
    const PictureInfo* info = &opened->info;
    const QSize decoded = info->stored;
    const qint64 wholeBytes = qint64(decoded.width()) * decoded.height() * (info->cmyk ? 4 : 3);
    // A JPEG or WebP shrinks while it loads, in less time than a shrink of
    // the whole picture held in memory would take: each size is decoded on
    // its own. BMP has its own reader; what is too large to hold is streamed
    // per size.
    if (!DecodedWhole(info->format) || wholeBytes > kOneDecodeBytes)
        return EachOnItsOwn(*opened, boxes, budget);

    DecodeBudget::Ticket ticket;
    if (budget)
        ticket = budget->take(
            DecodeCost(*info, decoded, info->format == PictureFormat::Png && InterlacedPng(file)));
    VipsImageRef whole;
    if (!LoadWhole(file, *info, whole)) {
        vips_error_clear();
        result.refusal = Undecodable();
        return result;
    }
    std::vector<VipsImageRef> sizes(boxes.size());
    qint64 kept = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!SizeOf(whole, *info, FittedSize(info->upright, boxes[i]), sizes[i])) {
            vips_error_clear();
            result.refusal = Undecodable();
            return result;
        }
        kept += qint64(sizes[i].image->Xsize) * sizes[i].image->Ysize * 3;
    }
    // The first size holds the share of them all.
    ticket.shrinkTo(kept);
    for (VipsImageRef& sized : sizes)
        result.pictures.push_back(
            PictureDecoder::make(std::move(sized), info->frames > 1, std::exchange(ticket, {})));
    return result;
}
