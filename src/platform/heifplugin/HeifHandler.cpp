#include "HeifHandler.h"

#include <QColorSpace>
#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QPointF>
#include <QVariant>
#include <cstring>
#include <libheif/heif.h>

namespace {
// The whole file is held in memory while it is read; no phone or camera
// writes a picture anywhere near this size.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;
// Enough of the file's start to hold its type box with the brands.
constexpr qint64 kHeaderBytes = 64;

// Qt's limit on the memory of one decoded picture (QImageReader::allocationLimit).
bool WithinAllocationLimit(QSize size) {
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    return limit <= 0 || qint64(size.width()) * size.height() * 4 <= limit;
}

bool Ok(const heif_error& error) {
    return error.code == heif_error_Ok;
}

struct NclxDeleter {
    void operator()(heif_color_profile_nclx* nclx) const { heif_nclx_color_profile_free(nclx); }
};
struct ImageDeleter {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsDeleter {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

// A colour space from the coded primaries; the transfer is taken as sRGB's
// (phones write sRGB's or BT.709's, which display alike) unless it is linear.
QColorSpace FromNclx(const heif_color_profile_nclx& nclx) {
    if (nclx.color_primaries == heif_color_primaries_unspecified)
        return {};
    const auto transfer = nclx.transfer_characteristics == heif_transfer_characteristic_linear
                              ? QColorSpace::TransferFunction::Linear
                              : QColorSpace::TransferFunction::SRgb;
    if (nclx.color_primaries == heif_color_primaries_ITU_R_BT_709_5)
        return QColorSpace(QColorSpace::Primaries::SRgb, transfer);
    return QColorSpace(QPointF(nclx.color_primary_white_x, nclx.color_primary_white_y),
                       QPointF(nclx.color_primary_red_x, nclx.color_primary_red_y),
                       QPointF(nclx.color_primary_green_x, nclx.color_primary_green_y),
                       QPointF(nclx.color_primary_blue_x, nclx.color_primary_blue_y), transfer);
}

// The picture's colour space: its ICC profile, or its coded primaries; none
// (taken as sRGB) when the file says nothing.
QColorSpace ColorSpaceOf(const heif_image_handle* handle) {
    switch (heif_image_handle_get_color_profile_type(handle)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        QByteArray icc(qsizetype(heif_image_handle_get_raw_color_profile_size(handle)),
                       Qt::Uninitialized);
        if (icc.isEmpty() || !Ok(heif_image_handle_get_raw_color_profile(handle, icc.data())))
            return {};
        return QColorSpace::fromIccProfile(icc);
    }
    case heif_color_profile_type_nclx: {
        heif_color_profile_nclx* nclx = nullptr;
        if (!Ok(heif_image_handle_get_nclx_color_profile(handle, &nclx)) || !nclx)
            return {};
        const std::unique_ptr<heif_color_profile_nclx, NclxDeleter> owned(nclx);
        return FromNclx(*nclx);
    }
    default:
        return {};
    }
}
} // namespace

void HeifHandler::ContextDeleter::operator()(heif_context* context) const {
    heif_context_free(context);
}

void HeifHandler::HandleDeleter::operator()(heif_image_handle* handle) const {
    heif_image_handle_release(handle);
}

HeifHandler::HeifHandler() = default;
HeifHandler::~HeifHandler() {
    // The handle and the context read from `data`: they go first.
    primary.reset();
    context.reset();
}

bool HeifHandler::canRead(QIODevice* device) {
    if (!device)
        return false;
    const QByteArray head = device->peek(kHeaderBytes);
    if (head.size() < 12)
        return false;
    const auto* bytes = reinterpret_cast<const uint8_t*>(head.constData());
    const int length = static_cast<int>(head.size());
    if (heif_check_filetype(bytes, length) != heif_filetype_yes_supported)
        return false;
    const char* mime = heif_get_file_mime_type(bytes, length);
    return mime && (std::strcmp(mime, "image/heic") == 0 || std::strcmp(mime, "image/heif") == 0);
}

bool HeifHandler::canRead() const {
    if (state == State::Done || state == State::Failed)
        return false;
    if (state == State::Parsed || canRead(device())) {
        setFormat("heic");
        return true;
    }
    return false;
}

bool HeifHandler::parse() {
    if (state != State::Unread)
        return state == State::Parsed;
    state = State::Failed;
    QIODevice* in = device();
    if (!canRead(in))
        return false;
    data = in->read(kMaxFileBytes + 1);
    if (data.size() > kMaxFileBytes)
        return false;
    context.reset(heif_context_alloc());
    if (!context || !Ok(heif_context_read_from_memory_without_copy(context.get(), data.constData(),
                                                                   size_t(data.size()), nullptr)))
        return false;
    heif_image_handle* handle = nullptr;
    if (!Ok(heif_context_get_primary_image_handle(context.get(), &handle)) || !handle)
        return false;
    primary.reset(handle);
    // The size as shown: after the file's rotation.
    size = QSize(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
    if (size.isEmpty())
        return false;
    state = State::Parsed;
    return true;
}

bool HeifHandler::read(QImage* image) {
    if (!parse())
        return false;
    state = State::Failed;
    const std::unique_ptr<heif_decoding_options, OptionsDeleter> options(
        heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    const bool alpha = heif_image_handle_has_alpha_channel(primary.get());
    heif_image* decoded = nullptr;
    if (!Ok(heif_decode_image(primary.get(), &decoded, heif_colorspace_RGB,
                              heif_chroma_interleaved_RGBA, options.get())) ||
        !decoded)
        return false;
    const std::unique_ptr<heif_image, ImageDeleter> pixels(decoded);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const QSize decodedSize(heif_image_get_primary_width(decoded),
                            heif_image_get_primary_height(decoded));
    if (!plane || decodedSize.isEmpty() || stride < decodedSize.width() * 4)
        return false;

    QImage::Format format = QImage::Format_RGBX8888;
    if (alpha)
        format = heif_image_handle_is_premultiplied_alpha(primary.get())
                     ? QImage::Format_RGBA8888_Premultiplied
                     : QImage::Format_RGBA8888;
    // libheif cannot decode at a smaller size: the full decode stays in its
    // buffer, and only the picture handed over (scaled or not) is held to
    // Qt's allocation limit, so a large picture shown small is not refused.
    const QImage decodedView(plane, decodedSize.width(), decodedSize.height(), stride, format);
    QImage result;
    if (scaledSize.isValid() && !scaledSize.isEmpty() && scaledSize != decodedSize) {
        if (!WithinAllocationLimit(scaledSize))
            return false;
        result = decodedView.scaled(scaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        if (!QImageIOHandler::allocateImage(decodedSize, format, &result))
            return false;
        const size_t rowBytes = size_t(decodedSize.width()) * 4;
        for (int y = 0; y < decodedSize.height(); ++y)
            std::memcpy(result.scanLine(y), decodedView.constScanLine(y), rowBytes);
    }
    if (result.isNull())
        return false;
    result.setColorSpace(ColorSpaceOf(primary.get()));
    *image = std::move(result);
    state = State::Done;
    return true;
}

void HeifHandler::setOption(ImageOption option, const QVariant& value) {
    if (option == ScaledSize)
        scaledSize = value.toSize();
}

QVariant HeifHandler::option(ImageOption option) const {
    if (option == Size && const_cast<HeifHandler*>(this)->parse())
        return size;
    if (option == ImageFormat && const_cast<HeifHandler*>(this)->parse())
        return heif_image_handle_has_alpha_channel(primary.get()) ? QImage::Format_RGBA8888
                                                                  : QImage::Format_RGBX8888;
    return {};
}

bool HeifHandler::supportsOption(ImageOption option) const {
    return option == Size || option == ImageFormat || option == ScaledSize;
}
