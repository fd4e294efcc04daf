#include "support/MailtoAddress.h"

#include <QUrl>

namespace {
// Letters, digits and "-._~" stay as they are, and so do the delimiters a
// mailto value may hold (RFC 6068) that mail programs read as themselves;
// everything else, "+" included, is percent-encoded as UTF-8.
QString Encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArrayLiteral("!$'()*,;:@/")));
}
} // namespace

QString MailtoAddress(const EmailFields& fields) {
    QString query;
    const auto add = [&query](const char* name, const QString& value) {
        if (!value.isEmpty())
            query += QLatin1Char('&') + QLatin1String(name) + QLatin1Char('=') + Encoded(value);
    };
    add("CC", fields.cc);
    add("BCC", fields.bcc);
    add("Subject", fields.subject);
    add("Body", fields.body);
    if (!fields.attachment.isEmpty())
        add("Attach", QLatin1Char('"') + fields.attachment + QLatin1Char('"'));
    if (!query.isEmpty())
        query[0] = QLatin1Char('?');
    return QStringLiteral("mailto:") + Encoded(fields.to) + query;
}
