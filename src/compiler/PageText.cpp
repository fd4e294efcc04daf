#include "compiler/PageText.h"

#include <algorithm>
#include <array>
#include <utility>

QString ScriptBoolean(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString IntText(int value) {
    return QString::number(value);
}

QString Quoted(const QString& value) {
    return QLatin1Char('"') + value + QLatin1Char('"');
}

namespace {
// Every character the table holds becomes the text beside it.
template <std::size_t N>
QString Replaced(const QString& value,
                 const std::array<std::pair<char16_t, const char*>, N>& table) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        const auto it = std::find_if(table.begin(), table.end(),
                                     [c](const auto& entry) { return entry.first == c.unicode(); });
        if (it == table.end())
            out += c;
        else
            out += QLatin1String(it->second);
    }
    return out;
}
} // namespace

QString ScriptStringText(const QString& value) {
    static constexpr std::array<std::pair<char16_t, const char*>, 8> table{{
        {u'\\', "\\\\"},
        {u'"', "\\\""},
        {u'\'', "\\'"},
        {u'\r', "\\r"},
        {u'\n', "\\n"},
        {u'<', "\\x3C"},
        {u'\u2028', "\\u2028"},
        {u'\u2029', "\\u2029"},
    }};
    return Replaced(value, table);
}

QString HtmlText(const QString& value) {
    static constexpr std::array<std::pair<char16_t, const char*>, 3> table{{
        {u'&', "&amp;"},
        {u'<', "&lt;"},
        {u'>', "&gt;"},
    }};
    return Replaced(value, table);
}

QString AttributeText(const QString& value) {
    static constexpr std::array<std::pair<char16_t, const char*>, 4> table{{
        {u'&', "&amp;"},
        {u'<', "&lt;"},
        {u'"', "&quot;"},
        {u'\'', "&#39;"},
    }};
    return Replaced(value, table);
}

QString QuotedAttribute(const QString& value) {
    return Quoted(AttributeText(value));
}

QString ClassicCaption(const QString& caption) {
    QString text = caption;
    return text.replace(QLatin1Char('"'), QLatin1Char('\''));
}
