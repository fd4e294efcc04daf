#pragma once

#include <QString>

// The fields of the e-mail composer.
struct EmailFields {
    QString to;
    QString cc;
    QString bcc;
    QString subject;
    QString body;
    QString attachment; // path of a file to attach
};

// The "mailto:" address a mail program opens for the fields: the recipient,
// then "?" and the non-empty fields as CC, BCC, Subject, Body and Attach
// (the path in double quotes), joined by "&". Each value is percent-encoded,
// so an "&", "?", "=" or "#" inside a field stays part of that field.
QString MailtoAddress(const EmailFields& fields);
