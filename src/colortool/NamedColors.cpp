#include "colortool/NamedColors.h"

#include "colortool/ColorSchemeFile.h"
#include "platform/RegularFile.h"

namespace {
// One field of a record: surrounding blanks and double quotes removed.
QString FieldText(QString field) {
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
        field = field.mid(1, field.size() - 2);
    return field;
}
} // namespace

NamedColors ReadNamedColors(const QString& path) {
    NamedColors list;
    // A few hundred short lines; a file far larger is not a colour list.
    const auto bytes = ReadRegularFile(path, 16 * 1024 * 1024);
    if (!bytes)
        return list;
    QStringList lines = DecodeOutsideText(*bytes).split(QLatin1Char('\n'));
    for (qsizetype k = 0; k < lines.size() && list.names.size() < kMaxNamedColors; ++k) {
        QString line = lines.at(k);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const bool last =
            k + 1 == lines.size() || (k + 2 == lines.size() && lines.back().isEmpty());
        if (line.trimmed().isEmpty() && last)
            break;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        const QString name = FieldText(comma < 0 ? line : line.left(comma));
        const QString value = comma < 0 ? QString() : FieldText(line.mid(comma + 1));
        list.names << name;
        list.values << value;
        if (value.isEmpty())
            break;
    }
    return list;
}

std::optional<ColorValue> NamedColorValue(const QString& valueText) {
    const QString rgb = valueText.mid(2, 6);
    if (rgb.size() != 6)
        return std::nullopt;
    return ColorFromSchemeField(rgb);
}
