#pragma once

#include "publish/RcloneCall.h"

#include <QString>
#include <QStringList>
#include <optional>

// The remotes of the user's rclone configuration, and new ones made through
// rclone's own configuration.

enum class RemoteKind { Sftp, WebDav, S3 };

struct RemoteDetails {
    RemoteKind kind = RemoteKind::Sftp;
    QString name;
    QString server;   // SFTP: host; WebDAV: URL; S3: endpoint URL
    int port = 22;    // SFTP only
    QString user;     // S3: the access key id
    QString password; // S3: the secret access key
};

// The remote names (without colons), or nullopt with `error` set (rclone
// missing, a configuration it cannot read).
std::optional<QStringList> ListRemotes(const RcloneProgram& rclone, QString& error);

// Whether rclone takes `name` for a new remote: letters, digits, "_", "-",
// "." and blanks, not starting with "-" or a blank.
bool IsRemoteName(const QString& name);

// Makes the remote: its plain settings through "rclone config create", the
// password obscured through "rclone obscure -" (on its standard input) and
// written into rclone's configuration file, never on a command line. Returns
// nullopt, or what went wrong.
std::optional<QString> MakeRemote(const RcloneProgram& rclone, const RemoteDetails& remote);

// Puts `key = value` into section [`section`] of an rclone configuration
// file's text (replacing the key there).
QByteArray WithConfigValue(const QByteArray& config, const QString& section, const QString& key,
                           const QString& value);
