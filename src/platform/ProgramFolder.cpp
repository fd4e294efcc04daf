#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

#ifndef PEVRANO_DATA_FROM_BIN
#define PEVRANO_DATA_FROM_BIN "../share/pevrano-slideshow"
#endif

namespace {
// The data folder of an installed layout, found from the executable's folder
// so the installation can be moved to any prefix.
std::optional<QString> InstalledDataFolder(const QString& executableFolder) {
    const QString data =
        QDir(executableFolder).absoluteFilePath(QStringLiteral(PEVRANO_DATA_FROM_BIN));
    if (!QFileInfo(data).isDir())
        return std::nullopt;
    return QDir::cleanPath(data);
}

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

QString ProgramFolderFor(const QString& executableFolder) {
    return QDir::toNativeSeparators(
        InstalledDataFolder(executableFolder).value_or(executableFolder));
}

QString WritableProgramFolderFor(const QString& executableFolder, const QString& userDataFolder) {
    const QString program = ProgramFolderFor(executableFolder);
    // An installed program's folder belongs to the system, whoever runs it.
    if (!InstalledDataFolder(executableFolder) && QFileInfo(program).isWritable())
        return program;
    QDir user(userDataFolder);
    if (!user.mkpath(QStringLiteral(".")))
        return program;
    FillFrom(QDir(program), user);
    return QDir::toNativeSeparators(userDataFolder);
}

QString ProgramFolder() {
    return ProgramFolderFor(QCoreApplication::applicationDirPath());
}

QString WritableProgramFolder() {
    return WritableProgramFolderFor(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
