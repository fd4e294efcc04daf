#include "compiler/PictureDimensions.h"

#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace {
quint32 BigEndian(const QByteArray& b, int at, int bytes) {
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

quint32 LittleEndian(const QByteArray& b, int at, int bytes) {
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

QSize Checked(qint64 width, qint64 height) {
    if (width <= 0 || height <= 0 || width > 1'000'000 || height > 1'000'000)
        return {};
    return {int(width), int(height)};
}

// Walks the JPEG segments up to the first frame header; the segments before
// it (EXIF, ICC profiles) are skipped by their lengths, not read.
QSize JpegSize(QFile& f) {
    f.seek(2);
    for (int segments = 0; segments < 1000; ++segments) {
        QByteArray marker = f.read(2);
        if (marker.size() < 2 || quint8(marker[0]) != 0xFF)
            return {};
        while (quint8(marker[1]) == 0xFF) { // fill bytes
            const QByteArray next = f.read(1);
            if (next.isEmpty())
                return {};
            marker[1] = next[0];
        }
        const quint8 m = quint8(marker[1]);
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7))
            continue; // no length
        const QByteArray head = f.read(7);
        if (head.size() < 2)
            return {};
        const quint32 length = BigEndian(head, 0, 2);
        const bool frame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (frame)
            return head.size() == 7 ? Checked(BigEndian(head, 5, 2), BigEndian(head, 3, 2))
                                    : QSize();
        if (length < 2 || m == 0xD9 || !f.seek(f.pos() - head.size() + length))
            return {};
    }
    return {};
}
} // namespace

QSize PictureDimensions(const QString& path) {
    if (!QFileInfo(path).isFile())
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray h = f.read(32);
    if (h.size() >= 4 && quint8(h[0]) == 0xFF && quint8(h[1]) == 0xD8)
        return JpegSize(f);
    if (h.size() >= 24 && h.startsWith("\x89PNG\r\n\x1a\n") && h.mid(12, 4) == "IHDR")
        return Checked(BigEndian(h, 16, 4), BigEndian(h, 20, 4));
    if (h.size() >= 10 && (h.startsWith("GIF87a") || h.startsWith("GIF89a")))
        return Checked(LittleEndian(h, 6, 2), LittleEndian(h, 8, 2));
    if (h.size() >= 26 && h.startsWith("BM")) {
        if (LittleEndian(h, 14, 4) == 12) // the old OS/2 header
            return Checked(LittleEndian(h, 18, 2), LittleEndian(h, 20, 2));
        const auto height = qint32(LittleEndian(h, 22, 4)); // negative: stored top-down
        return Checked(qint32(LittleEndian(h, 18, 4)), std::abs(qint64(height)));
    }
    return {};
}
