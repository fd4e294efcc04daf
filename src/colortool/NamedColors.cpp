#include "colortool/NamedColors.h"

#include "colortool/ColorSchemeFile.h"

#include <QFile>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return list;
    while (list.names.size() < kMaxNamedColors && !file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(4096)).remove(QLatin1Char('\n'));
        if (line.trimmed().isEmpty() && file.atEnd())
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
