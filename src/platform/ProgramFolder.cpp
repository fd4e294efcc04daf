#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

namespace {
// Copies the rewritable data files that the per-user folder lacks.
void FillFrom(const QDir& installed, const QDir& user) {
    const QStringList names = installed.entryList(
        {QStringLiteral("*.col"), QStringLiteral("*.COL"), QStringLiteral("MySettings")},
        QDir::Files);
    for (const QString& name : names) {
        if (!user.exists(name))
            QFile::copy(installed.filePath(name), user.filePath(name));
        QFile::setPermissions(user.filePath(name), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ReadGroup | QFile::ReadOther);
    }
}
} // namespace

QString WritableProgramFolder() {
    const QString program = ProgramFolder();
    if (QFileInfo(program).isWritable())
        return program;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir user(data);
    if (!user.mkpath(QStringLiteral(".")))
        return program;
    FillFrom(QDir(program), user);
    return QDir::toNativeSeparators(data);
}
