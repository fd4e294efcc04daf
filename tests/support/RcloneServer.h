#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A real rclone server on 127.0.0.1 for the publish tests and benchmark:
// `rclone serve sftp` or `rclone serve webdav` over a local folder, with a
// user and a password (given through the environment, so no command line
// holds it), logging every request (-vv) to a file. Stopped when destroyed.
class RcloneServer {
public:
    enum class Kind { Sftp, WebDav };

    RcloneServer(Kind kind, QString root, QString logFile, QString user, QString password);
    ~RcloneServer();

    // Starts it (on `port`, or a free one when 0) and waits until it listens.
    bool start(int port = 0);
    void stop();

    int port() const { return listening; }
    QString address() const; // WebDAV's URL, SFTP's host
    // The paths of files written, in the order they were opened for writing.
    QStringList arrivals() const;
    QString log() const;

private:
    Kind serverKind;
    QString root, logFile, user, password;
    QProcess process;
    int listening = 0;
    qsizetype logStart = 0; // this run's part of the log file
};
