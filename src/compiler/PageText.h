#pragma once

#include <QString>
#include <QStringView>

// Small conversions that turn project values into page text.

QString ScriptBoolean(bool value);
QString IntText(int value);
// A value between double quotes, as attribute values and script strings are
// written.
QString Quoted(const QString& value);
// Text that goes inside a double-quoted script string: backslash, double
// quote, CR and LF are escaped so the string holds exactly the text (a typed
// font name may hold a quote). Nothing else changes.
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
