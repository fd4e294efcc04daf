#include "publish/RcloneLog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

RcloneLogLine ReadRcloneLogLine(const QByteArray& line) {
    RcloneLogLine read;
    const QByteArray text = line.trimmed();
    if (text.isEmpty())
        return read;
    if (!text.startsWith('{')) {
        // Errors before the log is set up are plain lines with a date.
        const QString plain = QString::fromUtf8(text);
        const qsizetype failed = plain.indexOf(QLatin1String("Failed to "));
        const qsizetype error = plain.indexOf(QLatin1String("ERROR : "));
        if (failed >= 0)
            read.error = plain.mid(failed);
        else if (error >= 0)
            read.error = plain.mid(error + 8);
        return read;
    }
    const QJsonObject o = QJsonDocument::fromJson(text).object();
    const QString level = o.value(u"level").toString();
    if (level == u"error" || level == u"critical" || level == u"fatal") {
        const QString object = o.value(u"object").toString();
        read.error = (object.isEmpty() ? QString() : object + QStringLiteral(": ")) +
                     o.value(u"msg").toString().trimmed();
    }
    const QJsonValue stats = o.value(u"stats");
    if (stats.isObject()) {
        const QJsonObject s = stats.toObject();
        read.stats = TransferStats{
            static_cast<qint64>(s.value(u"bytes").toDouble()),
            static_cast<qint64>(s.value(u"totalBytes").toDouble()), s.value(u"transfers").toInt(),
            s.value(u"totalTransfers").toInt(), s.value(u"speed").toDouble()};
    }
    return read;
}

namespace {
bool Says(const QString& message, const char* const (&phrases)[], std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (message.contains(QLatin1String(phrases[i]), Qt::CaseInsensitive))
            return true;
    return false;
}
template <std::size_t N> bool Says(const QString& message, const char* const (&phrases)[N]) {
    return Says(message, phrases, N);
}
} // namespace

RcloneTrouble ClassifyRcloneError(const QString& message) {
    static const char* const unknown[] = {"didn't find section in config file",
                                          "config file not found"};
    static const char* const refused[] = {
        "unable to authenticate",   "401 Unauthorized",   "403 Forbidden",
        "SignatureDoesNotMatch",    "InvalidAccessKeyId", "AccessDenied",
        "couldn't decrypt password"};
    static const char* const full[] = {"no space left", "Insufficient Storage", "quota",
                                       "disk full", "EntityTooLarge"};
    static const char* const silent[] = {"connection refused",
                                         "no such host",
                                         "i/o timeout",
                                         "connection reset",
                                         "network is unreachable",
                                         "no route to host",
                                         "deadline exceeded",
                                         "broken pipe",
                                         "unexpected EOF",
                                         "EOF",
                                         "connection lost"};
    if (Says(message, unknown))
        return RcloneTrouble::UnknownRemote;
    if (Says(message, refused))
        return RcloneTrouble::Refused;
    if (Says(message, full))
        return RcloneTrouble::Full;
    if (Says(message, silent))
        return RcloneTrouble::NotAnswering;
    return RcloneTrouble::Other;
}

QString TroubleText(RcloneTrouble trouble, const QString& remote) {
    switch (trouble) {
    case RcloneTrouble::Missing:
        return QStringLiteral("rclone is not installed. Publishing needs it: install the Debian "
                              "package \"rclone\" (sudo apt install rclone) and try again.");
    case RcloneTrouble::UnknownRemote:
        return QStringLiteral("There is no remote named \"%1\" in rclone's configuration. "
                              "Choose another one or make it with \"New Remote...\".")
            .arg(remote);
    case RcloneTrouble::Refused:
        return QStringLiteral("The server refused the user name or password of \"%1\".")
            .arg(remote);
    case RcloneTrouble::NotAnswering:
        return QStringLiteral("The server of \"%1\" does not answer. Check the address and "
                              "the network, then publish again.")
            .arg(remote);
    case RcloneTrouble::Full:
        return QStringLiteral("There is no room left on \"%1\".").arg(remote);
    case RcloneTrouble::Other:
        break;
    }
    return QStringLiteral("rclone could not publish the show to \"%1\".").arg(remote);
}
