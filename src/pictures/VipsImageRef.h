#pragma once

#include "pictures/Vips.h"

#include <QtGlobal>

#include <utility>

// Owns one reference to a libvips image (the engine's own header; callers
// see only DecodedPicture).
struct VipsImageRef {
    VipsImage* image = nullptr;

    VipsImageRef() = default;
    explicit VipsImageRef(VipsImage* image) : image(image) {}
    VipsImageRef(VipsImageRef&& o) noexcept : image(std::exchange(o.image, nullptr)) {}
    VipsImageRef& operator=(VipsImageRef&& o) noexcept {
        std::swap(image, o.image);
        return *this;
    }
    ~VipsImageRef() {
        if (image)
            g_object_unref(image);
    }
    // Replaces the image by what `operation(image, &next)` makes of it when
    // that succeeds (returns 0); keeps it and reports failure otherwise.
    template <class Operation> bool step(Operation operation) {
        VipsImage* next = nullptr;
        if (operation(image, &next) != 0)
            return false;
        *this = VipsImageRef(next);
        return true;
    }
};

// An open picture file: a regular file, checked on the open descriptor.
struct PictureFile {
    int fd = -1;
    qint64 size = 0;

    PictureFile() = default;
    PictureFile(PictureFile&& o) noexcept
        : fd(std::exchange(o.fd, -1)), size(std::exchange(o.size, 0)) {}
    PictureFile& operator=(PictureFile&&) = delete;
    ~PictureFile();
};
