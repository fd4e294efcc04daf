#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <vector>

// Passes every call on to another FileSystem and keeps the failures, so a run
// without a person can say afterwards what went wrong and where.
class FailureKeepingFileSystem : public FileSystem {
public:
    struct Failure {
        QString operation; // "copy", "create", "write", "attributes"
        QString path;      // the destination, or the directory or file
        QString source;    // copies only
        FsResult result;
    };

    explicit FailureKeepingFileSystem(FileSystem& inner) : inner(inner) {}

    FsResult createDirectory(const QString& path) override {
        return keep(inner.createDirectory(path), QStringLiteral("create"), path);
    }
    FsResult copyFile(const QString& from, const QString& to) override {
        return keep(inner.copyFile(from, to), QStringLiteral("copy"), to, from);
    }
    FsResult linkOrCopyFile(const QString& from, const QString& to) override {
        return keep(inner.linkOrCopyFile(from, to), QStringLiteral("copy"), to, from);
    }
    FsResult makeOwnerWritable(const QString& path) override {
        return keep(inner.makeOwnerWritable(path), QStringLiteral("attributes"), path);
    }
    DriveType driveType(const QString& directory) override { return inner.driveType(directory); }
    NameLimits nameLimits(const QString& directory) override { return inner.nameLimits(directory); }
    FsResult writeFile(const QString& path, const QByteArray& bytes) override {
        return keep(inner.writeFile(path, bytes), QStringLiteral("write"), path);
    }

    const std::vector<Failure>& failures() const { return failed; }

private:
    FsResult keep(FsResult r, const QString& operation, const QString& path,
                  const QString& source = {}) {
        if (!r.ok())
            failed.push_back({operation, path, source, r});
        return r;
    }

    FileSystem& inner;
    std::vector<Failure> failed;
};
