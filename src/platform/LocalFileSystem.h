#pragma once

#include "platform/FileSystem.h"

// The real file system: POSIX calls and std::filesystem, one file at a time.
class LocalFileSystem : public FileSystem {
public:
    FsResult createDirectory(const QString& path) override;
    FsResult copyFile(const QString& from, const QString& to) override;
    FsResult linkOrCopyFile(const QString& from, const QString& to) override;
    FsResult makeOwnerWritable(const QString& path) override;
    DriveType driveType(const QString& directory) override;
    FsResult writeFile(const QString& path, const QByteArray& bytes) override;
    NameLimits nameLimits(const QString& directory) override;
};

// An FsResult for a failed call with the system's error number.
FsResult FsResultFromErrno(int errorNumber);
