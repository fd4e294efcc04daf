#include "publish/RemoteSetup.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
QString Failure(const RcloneResult& r) {
    if (!r.started)
        return TroubleText(RcloneTrouble::Missing, {});
    return r.error.isEmpty() ? QStringLiteral("rclone stopped with status %1").arg(r.exitCode)
                             : r.error;
}

// The configuration file rclone uses ("rclone config file").
std::optional<QString> ConfigFile(const RcloneProgram& rclone, QString& error) {
    const RcloneResult r =
        RcloneCall::Run(rclone, {QStringLiteral("config"), QStringLiteral("file")});
    const QStringList lines =
        QString::fromUtf8(r.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!r.ok() || lines.isEmpty()) {
        error = Failure(r);
        return std::nullopt;
    }
    return lines.last().trimmed();
}
} // namespace

std::optional<QStringList> ListRemotes(const RcloneProgram& rclone, QString& error) {
    const RcloneResult r = RcloneCall::Run(rclone, {QStringLiteral("listremotes")});
    if (!r.ok()) {
        error = Failure(r);
        return std::nullopt;
    }
    QStringList names;
    for (QString line : QString::fromUtf8(r.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (line.endsWith(QLatin1Char(':')))
            names << line.chopped(1);
    }
    return names;
}

bool IsRemoteName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_.][A-Za-z0-9_. -]*$"));
    return pattern.match(name).hasMatch() && !name.endsWith(QLatin1Char(' '));
}

QByteArray WithConfigValue(const QByteArray& config, const QString& section, const QString& key,
                           const QString& value) {
    QList<QByteArray> lines = config.split('\n');
    const QByteArray header = '[' + section.toUtf8() + ']';
    const QByteArray entry = key.toUtf8() + " = " + value.toUtf8();
    qsizetype at = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line == header) {
            at = i + 1;
            continue;
        }
        if (at < 0)
            continue;
        if (line.startsWith('['))
            break;
        if (line.split('=').value(0).trimmed() == key.toUtf8()) {
            lines[i] = entry;
            return lines.join('\n');
        }
    }
    if (at < 0)
        lines << header << entry;
    else
        lines.insert(at, entry);
    return lines.join('\n');
}

std::optional<QString> MakeRemote(const RcloneProgram& rclone, const RemoteDetails& remote) {
    if (!IsRemoteName(remote.name))
        return QStringLiteral("A remote's name takes letters, digits, \"_\", \"-\", \".\" and "
                              "blanks.");
    QString error;
    const auto existing = ListRemotes(rclone, error);
    if (!existing)
        return error;
    if (existing->contains(remote.name))
        return QStringLiteral("There is a remote named \"%1\" already.").arg(remote.name);
    if (remote.server.trimmed().isEmpty())
        return QStringLiteral("Type the server's name or address.");

    QStringList args{QStringLiteral("config"), QStringLiteral("create"),
                     QStringLiteral("--non-interactive"), remote.name};
    QString secretKey = QStringLiteral("pass");
    bool obscure = true;
    switch (remote.kind) {
    case RemoteKind::Sftp:
        args << QStringLiteral("sftp") << QStringLiteral("host=") + remote.server.trimmed()
             << QStringLiteral("port=%1").arg(remote.port) << QStringLiteral("user=") + remote.user;
        break;
    case RemoteKind::WebDav:
        args << QStringLiteral("webdav") << QStringLiteral("url=") + remote.server.trimmed()
             << QStringLiteral("vendor=other") << QStringLiteral("user=") + remote.user;
        break;
    case RemoteKind::S3:
        // rclone keeps an S3 secret key as it is, not obscured.
        args << QStringLiteral("s3") << QStringLiteral("provider=Other")
             << QStringLiteral("endpoint=") + remote.server.trimmed()
             << QStringLiteral("access_key_id=") + remote.user;
        secretKey = QStringLiteral("secret_access_key");
        obscure = false;
        break;
    }
    const RcloneResult made = RcloneCall::Run(rclone, args);
    if (!made.ok())
        return Failure(made);
    if (remote.password.isEmpty())
        return std::nullopt;

    QString secret = remote.password;
    if (obscure) {
        const RcloneResult r = RcloneCall::Run(
            rclone, {QStringLiteral("obscure"), QStringLiteral("-")}, remote.password.toUtf8());
        if (!r.ok())
            return Failure(r);
        secret = QString::fromUtf8(r.output).trimmed();
    }
    const auto path = ConfigFile(rclone, error);
    if (!path)
        return error;
    QFile in(*path);
    if (!in.open(QIODevice::ReadOnly))
        return *path + QStringLiteral(": ") + in.errorString();
    const QByteArray config = in.readAll();
    in.close();
    QSaveFile out(*path);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(WithConfigValue(config, remote.name, secretKey, secret)) < 0 || !out.commit())
        return *path + QStringLiteral(": ") + out.errorString();
    QFile::setPermissions(*path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return std::nullopt;
}
