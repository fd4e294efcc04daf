#include "pictures/PictureIdentify.h"
#include "pictures/PictureEngine.h"

#include "pictures/BmpReader.h"
#include "pictures/VipsLibrary.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PictureFile::~PictureFile() {
    if (fd >= 0)
        ::close(fd);
}

namespace {
QString ErrnoText(int e) {
    return QString::fromLocal8Bit(std::strerror(e));
}

// The name libvips gives the loader that may read each format from a source.
const char* LoaderOf(PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg:
        return "jpegload_source";
    case PictureFormat::Png:
        return "pngload_source";
    case PictureFormat::Gif:
        return "gifload_source";
    case PictureFormat::WebP:
        return "webpload_source";
    case PictureFormat::Tiff:
        return "tiffload_source";
    case PictureFormat::Heif:
    case PictureFormat::Avif:
        return "heifload_source";
    case PictureFormat::Bmp:
        break;
    }
    return "";
}

QString Unread() {
    return QStringLiteral("The picture's content could not be read");
}

std::optional<PictureInfo> Refuse(QString* why, const QString& text) {
    if (why)
        *why = text;
    return std::nullopt;
}

std::optional<PictureInfo> BmpInfo(const PictureFile& file, QString* why) {
    const std::optional<BmpLayout> layout = ReadBmpLayout(file.fd, file.size, why);
    if (!layout)
        return std::nullopt;
    PictureInfo info;
    info.format = PictureFormat::Bmp;
    info.stored = info.upright = QSize(layout->width, layout->height);
    return info;
}

std::optional<PictureInfo> VipsInfo(const PictureFile& file, PictureFormat format, QString* why) {
    if (!VipsReady())
        return Refuse(why, QStringLiteral("The picture library could not be started"));
    VipsSource* source = vips_source_new_from_descriptor(file.fd);
    if (!source)
        return Refuse(why, Unread());
    VipsImageRef header(
        vips_image_new_from_source(source, "", "access", VIPS_ACCESS_SEQUENTIAL, nullptr));
    g_object_unref(source);
    const char* loader = nullptr;
    if (!header.image || vips_image_get_string(header.image, "vips-loader", &loader) != 0 ||
        std::strcmp(loader, LoaderOf(format)) != 0) {
        vips_error_clear();
        return Refuse(why, Unread());
    }
    PictureInfo info;
    info.format = format;
    info.stored = QSize(vips_image_get_width(header.image), vips_image_get_height(header.image));
    info.frames = std::max(1, vips_image_get_n_pages(header.image));
    info.cmyk = vips_image_get_interpretation(header.image) == VIPS_INTERPRETATION_CMYK;
    info.profile = vips_image_get_typeof(header.image, VIPS_META_ICC_NAME) != 0;
    const bool heif = format == PictureFormat::Heif || format == PictureFormat::Avif;
    // libheif applies the container's rotation and mirror; an EXIF
    // orientation inside would turn the picture a second time.
    info.orientation = heif ? 1 : std::clamp(vips_image_get_orientation(header.image), 1, 8);
    info.upright = info.orientation >= 5 ? info.stored.transposed() : info.stored;
    return info;
}
} // namespace

std::optional<PictureFile> OpenPictureFile(const QString& path, QString* why) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.contains('\0')) {
        Refuse(why, ErrnoText(ENOENT));
        return std::nullopt;
    }
    PictureFile file;
    file.fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file.fd < 0) {
        Refuse(why, ErrnoText(errno));
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Refuse(why, S_ISDIR(st.st_mode) ? ErrnoText(EISDIR) : QStringLiteral("Not a regular file"));
        return std::nullopt;
    }
    if (st.st_size > kMaxPictureFileBytes) {
        Refuse(why, QStringLiteral("The file is too large for a picture"));
        return std::nullopt;
    }
    // Reads of a regular file never wait; the flag only mattered for open.
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    file.size = st.st_size;
    return file;
}

namespace {
std::optional<PictureFormat> FormatOfOpen(const PictureFile& file, QString* why) {
    char head[kFormatHeadBytes] = {};
    const ssize_t n = ::pread(file.fd, head, sizeof head, 0);
    const std::optional<PictureFormat> format =
        FormatOfContent(QByteArrayView(head, n > 0 ? n : 0));
    if (!format && why)
        *why = QStringLiteral("The file is not a picture this program reads (JPEG, PNG, GIF, BMP, "
                              "WebP, TIFF, HEIC or AVIF)");
    return format;
}
} // namespace

std::optional<PictureFormat> PictureFormatOfFile(const QString& path, QString* why) {
    const std::optional<PictureFile> file = OpenPictureFile(path, why);
    return file ? FormatOfOpen(*file, why) : std::nullopt;
}

std::optional<PictureInfo> IdentifyOpen(const PictureFile& file, QString* why) {
    const std::optional<PictureFormat> format = FormatOfOpen(file, why);
    if (!format)
        return std::nullopt;
    std::optional<PictureInfo> info =
        *format == PictureFormat::Bmp ? BmpInfo(file, why) : VipsInfo(file, *format, why);
    if (!info)
        return std::nullopt;
    info->fileBytes = file.size;
    const PictureLimits limits = LimitsOf(info->format);
    const QSize s = info->stored;
    if (s.isEmpty())
        return Refuse(why, Unread());
    if (qint64(s.width()) * s.height() > limits.maxPixels || s.width() > limits.maxSide ||
        s.height() > limits.maxSide)
        return Refuse(why, QStringLiteral("The picture is %1 x %2 pixels; %3 pictures are read up "
                                          "to %4 megapixels and %5 pixels a side")
                               .arg(s.width())
                               .arg(s.height())
                               .arg(FormatName(info->format))
                               .arg(limits.maxPixels / 1'000'000)
                               .arg(limits.maxSide));
    return info;
}

Identified IdentifyPicture(const QString& path) {
    Identified result;
    const std::optional<PictureFile> file = OpenPictureFile(path, &result.refusal);
    if (file)
        result.info = IdentifyOpen(*file, &result.refusal);
    return result;
}

QSize FittedSize(QSize source, QSize box) {
    if (source.isEmpty() || box.isEmpty())
        return {};
    if (source.width() <= box.width() && source.height() <= box.height())
        return source;
    // Rounded to the nearest pixel along the side that does not touch the box.
    const qint64 w = source.width(), h = source.height();
    const QSize fitted = w * box.height() > h * box.width()
                             ? QSize(box.width(), int((h * box.width() * 2 + w) / (2 * w)))
                             : QSize(int((w * box.height() * 2 + h) / (2 * h)), box.height());
    return fitted.expandedTo(QSize(1, 1));
}

QSize CoverBox(QSize source, QSize box) {
    if (source.isEmpty() || box.isEmpty())
        return {};
    const QSize covered = source.scaled(box, Qt::KeepAspectRatioByExpanding);
    if (covered.width() >= source.width())
        return source;
    return covered.expandedTo(QSize(1, 1));
}
