#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <functional>
#include <map>
#include <optional>

// Passes every call on to another file system, except those a test chooses to
// fail: `fault` sees the operation ("create", "copy", "write") and the target
// path and returns the failure to report, or nullopt to let the call through;
// without one every call goes through. Directories named in `drives` are on
// that kind of drive.
class FaultyFileSystem : public FileSystem {
public:
    using Fault = std::function<std::optional<FsResult>(const QString& op, const QString& path)>;

    explicit FaultyFileSystem(FileSystem& inner, Fault fault = nullptr)
        : inner(inner), fault(std::move(fault)) {}

    // The commonest fault: `op` on a path ending in `pathEnd` gives `result`.
    static Fault Failing(const QString& op, const QString& pathEnd, const FsResult& result) {
        return [=](const QString& o, const QString& path) -> std::optional<FsResult> {
            if (o == op && path.endsWith(pathEnd))
                return result;
            return std::nullopt;
        };
    }

    FsResult createDirectory(const QString& path) override {
        return pass(QStringLiteral("create"), path, [&] { return inner.createDirectory(path); });
    }
    FsResult copyFile(const QString& from, const QString& to) override {
        return pass(QStringLiteral("copy"), to, [&] { return inner.copyFile(from, to); });
    }
    FsResult makeOwnerWritable(const QString& path) override {
        return inner.makeOwnerWritable(path);
    }
    DriveType driveType(const QString& directory) override {
        const auto it = drives.find(directory);
        return it == drives.end() ? inner.driveType(directory) : it->second;
    }
    NameLimits nameLimits(const QString& directory) override { return inner.nameLimits(directory); }
    FsResult writeFile(const QString& path, const QByteArray& bytes) override {
        return pass(QStringLiteral("write"), path, [&] { return inner.writeFile(path, bytes); });
    }

    std::map<QString, DriveType> drives;

private:
    template <typename Call> FsResult pass(const QString& op, const QString& path, Call call) {
        if (fault)
            if (std::optional<FsResult> r = fault(op, path))
                return *r;
        return call();
    }

    FileSystem& inner;
    Fault fault;
};
