#pragma once

#include "pictures/PictureEngine.h"
#include "pictures/VipsImageRef.h"

#include <QSize>
#include <QString>
#include <memory>
#include <optional>

// The engine's own steps, shared by its decoders.

// The refusal of a picture that identified but did not decode.
QString Undecodable();

// A cut-off file is refused rather than shown with its missing part grey.
inline constexpr const char* kTruncatedFails = "fail_on=truncated";

// What a decode may take beside its result: the decoders that hold the
// whole picture (libheif, GIF frames, interlaced PNG) their full size, the
// others a band of rows.
qint64 DecodeCost(const PictureInfo& info, QSize out, bool wholePng);

// Interlaced PNGs come in passes over the whole picture, so their loader
// holds all of it.
bool InterlacedPng(const PictureFile& file);

// `img` made an 8-bit sRGB (or kept RGB profile) picture of three channels,
// transparent parts laid on white.
bool ToRgb8(VipsImageRef& img);

// `img` reduced to exactly `to` with a Lanczos-3 filter.
bool ResizedTo(VipsImageRef& img, QSize to);

// `img`'s pipeline run into memory.
bool ToMemory(VipsImageRef& img);

// libvips 8.14's HEIF loader lends the picture its profile from memory it
// frees when the loader closes, which the picture outlives: the picture gets
// a copy of its own while the loader is still open.
void OwnProfile(VipsImageRef& img);

// A picture file opened, identified, and libvips ready to decode it.
struct OpenedPicture {
    PictureFile file;
    PictureInfo info;
};
std::optional<OpenedPicture> OpenToDecode(const QString& path, QString* why);

// DecodePicture of a picture already opened and identified.
Decoded DecodeOpened(const OpenedPicture& opened, const DecodeOptions& options,
                     DecodeBudget* budget);

// Builds DecodedPicture, whose constructor is the engine's own.
struct PictureDecoder {
    static DecodedPicture make(VipsImageRef image, bool severalFrames, DecodeBudget::Ticket t) {
        return DecodedPicture(std::make_unique<VipsImageRef>(std::move(image)), severalFrames,
                              std::move(t));
    }
};
