#include "compiler/PageFile.h"

#include <array>
#include <optional>
#include <utility>

namespace {
// Unicode values of the bytes 0x80 to 0x9F. The five bytes Windows leaves
// unassigned map to the C1 controls of the same value, as browsers decode them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> Windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

// Nullopt as soon as one character has no Windows-1252 byte.
std::optional<QByteArray> ToWindows1252(const QString& text) {
    QByteArray out(text.size() + 2, Qt::Uninitialized);
    char* dst = out.data();
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80) {
            *dst++ = static_cast<char>(c);
            continue;
        }
        const std::optional<char> b = Windows1252Byte(c);
        if (!b)
            return std::nullopt;
        *dst++ = *b;
    }
    *dst++ = '\r';
    *dst++ = '\n';
    return out;
}
} // namespace

bool FitsWindows1252(const QString& text) {
    for (QChar qc : text)
        if (qc.unicode() >= 0x80 && !Windows1252Byte(qc.unicode()))
            return false;
    return true;
}

QByteArray EncodePageText(const QString& text, bool utf8) {
    if (!utf8)
        if (std::optional<QByteArray> ansi = ToWindows1252(text))
            return std::move(*ansi);
    QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF");
    bytes += text.toUtf8();
    bytes += "\r\n";
    return bytes;
}

FsResult WritePageFile(FileSystem& fs, const QString& path, const QString& text, bool utf8) {
    return fs.writeFile(path, EncodePageText(text, utf8));
}
