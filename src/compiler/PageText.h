#pragma once

#include <QString>
#include <QStringView>

// Small conversions that turn project values into page text.

QString ScriptBoolean(bool value);
QString IntText(int value);
// A value between double quotes, as attribute values and script strings are
// written.
QString Quoted(const QString& value);
// Text that goes inside a quoted script string: backslash, both quotes, CR,
// LF and the line separators U+2028 and U+2029 are escaped so the string
// holds exactly the text (a typed font name may hold a quote), and "<" too,
// so no "</script>" or "<!--" can end or hide the script around it. Nothing
// else changes.
QString ScriptStringText(const QString& value);

// The show's own texts (title, captions, file names) reach the pages through
// these, so that no text can become markup or script on the page.

// Text between tags: "&", "<" and ">" become entities.
QString HtmlText(const QString& value);
// Text inside a quoted attribute value: "&", "<", the double quote and the
// apostrophe become entities.
QString AttributeText(const QString& value);
// A quoted attribute value holding exactly `value`.
QString QuotedAttribute(const QString& value);
// A caption as the classic pages show it: double quotes become apostrophes
// there (the show keeps what was typed), then escaped for its context.
QString ClassicCaption(const QString& caption);

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
