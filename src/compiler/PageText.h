#pragma once

#include "project/ColorValue.h"

#include <QString>
#include <QStringView>

// Small conversions that turn project values into page text.

// Six hexadecimal digits, two per byte, upper case: red-green-blue, or
// blue-green-red when `hexInBgrOrder` is set, which this call then clears.
QString ColorToHex(ColorValue value, bool& hexInBgrOrder);
// The stored colour text: "&H" + BBGGRR.
QString StoredColorText(ColorValue value);
// "&HBBGGRR" -> "#RRGGBB"; digits keep their case, missing pieces are empty.
QString StoredColorToHtml(const QString& stored);
// Reads "&HBBGGRR" back into a colour value; nullopt-free: bad text gives 0.
ColorValue StoredColorValue(const QString& stored);
// The extension with its dot, lower-cased: the text from the last "." of the
// file name. A file name without a dot has none ("").
QString FileExtension(const QString& path);
// The part after the last folder separator ("\" or "/"), case unchanged.
QString GetJustFileName(const QString& path);
QString ScriptBoolean(bool value);
QString IntText(int value);
// A value between double quotes, as attribute values and script strings are
// written.
QString Quoted(const QString& value);
// Text that goes inside a double-quoted script string: backslash, CR and LF
// are escaped so the string holds exactly the text. Nothing else changes.
QString ScriptStringText(const QString& value);

// Builds a generated file line by line; every line ends in CR LF.
class PageBuilder {
public:
    PageBuilder& line(QStringView text = {}) {
        out += text;
        out += QLatin1String("\r\n");
        return *this;
    }
    PageBuilder& lines(std::initializer_list<QStringView> texts) {
        for (QStringView t : texts)
            line(t);
        return *this;
    }
    // Appends text already made of whole CR LF lines.
    PageBuilder& append(const QString& text) {
        out += text;
        return *this;
    }
    void reserve(qsizetype size) { out.reserve(size); }
    const QString& text() const& { return out; }
    QString text() && { return std::move(out); }

private:
    QString out;
};
