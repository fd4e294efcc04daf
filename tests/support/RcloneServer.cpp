#include "RcloneServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

RcloneServer::RcloneServer(Kind kind, QString root, QString logFile, QString user, QString password)
    : serverKind(kind), root(std::move(root)), logFile(std::move(logFile)), user(std::move(user)),
      password(std::move(password)) {}

RcloneServer::~RcloneServer() {
    stop();
}

bool RcloneServer::start(int port) {
    stop();
    QDir().mkpath(root);
    logStart = QFile(logFile).size();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("RCLONE_USER"), user);
    env.insert(QStringLiteral("RCLONE_PASS"), password);
    process.setProcessEnvironment(env);
    process.setProgram(QStringLiteral("rclone"));
    process.setArguments(
        {QStringLiteral("serve"),
         serverKind == Kind::Sftp ? QStringLiteral("sftp") : QStringLiteral("webdav"), root,
         QStringLiteral("--addr"), QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("-vv"),
         QStringLiteral("--log-file"), logFile});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(5000))
        return false;
    static const QRegularExpression ready(
        QStringLiteral("(?:listening on |Server started on http://)127\\.0\\.0\\.1:(\\d+)"));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000 && process.state() == QProcess::Running) {
        const auto m = ready.match(log());
        if (m.hasMatch()) {
            listening = m.captured(1).toInt();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

void RcloneServer::stop() {
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(5000);
}

QString RcloneServer::address() const {
    return serverKind == Kind::Sftp ? QStringLiteral("127.0.0.1")
                                    : QStringLiteral("http://127.0.0.1:%1/").arg(listening);
}

QString RcloneServer::log() const {
    QFile f(logFile);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    f.seek(logStart);
    return QString::fromUtf8(f.readAll());
}

QStringList RcloneServer::arrivals() const {
    static const QRegularExpression opened(
        QStringLiteral("DEBUG : /(\\S+): OpenFile: flags=\\S*O_CREATE"));
    QStringList paths;
    auto it = opened.globalMatch(log());
    while (it.hasNext())
        paths << it.next().captured(1);
    return paths;
}
