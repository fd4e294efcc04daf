#include "compiler/PageText.h"

QString ScriptBoolean(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString IntText(int value) {
    return QString::number(value);
}

QString Quoted(const QString& value) {
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString ScriptStringText(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('"'))
            out += QLatin1String("\\\"");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}
