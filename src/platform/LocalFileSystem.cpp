#include "platform/LocalFileSystem.h"

#include "platform/MountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path NativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

FsResult FromErrorCode(const std::error_code& ec) {
    if (!ec)
        return FsResult::success();
    // std::filesystem reports the OS's errno values in the generic or system
    // category alike on this platform.
    return FsResultFromErrno(ec.value());
}

QString ReadProcFile(const char* path) {
    // /proc files report size 0, so read to the end rather than by size.
    QFile f(QString::fromLatin1(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace

FsResult FsResultFromErrno(int errorNumber) {
    FsResult r;
    switch (errorNumber) {
    case 0:
        return FsResult::success();
    case EEXIST:
        r.error = FsError::AlreadyExists;
        break;
    case ENOENT:
    case ENOTDIR:
        r.error = FsError::PathNotFound;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        r.error = FsError::AccessDenied;
        break;
    default:
        r.error = FsError::Other;
        break;
    }
    r.code = errorNumber;
    r.reason = QString::fromStdString(std::system_category().message(errorNumber));
    return r;
}

FsResult LocalFileSystem::createDirectory(const QString& path) {
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return FsResultFromErrno(errno);
    return FsResult::success();
}

FsResult LocalFileSystem::copyFile(const QString& from, const QString& to) {
    // copy_file lets the kernel copy the data and, without overwrite options,
    // fails when the destination exists.
    std::error_code ec;
    fs::copy_file(NativePath(from), NativePath(to), fs::copy_options::none, ec);
    return FromErrorCode(ec);
}

FsResult LocalFileSystem::makeOwnerWritable(const QString& path) {
    std::error_code ec;
    fs::permissions(NativePath(path), fs::perms::owner_write, fs::perm_options::add, ec);
    return FromErrorCode(ec);
}

DriveType LocalFileSystem::driveType(const QString& directory) {
    std::vector<MountEntry> mounts = ParseMountInfo(ReadProcFile("/proc/self/mountinfo"));
    if (mounts.empty())
        mounts = ParseProcMounts(ReadProcFile("/proc/mounts"));
    const QFileInfo info(directory);
    QString resolved = info.canonicalFilePath();
    if (resolved.isEmpty())
        resolved = QDir::cleanPath(info.absoluteFilePath());
    const std::optional<MountEntry> mount = MountHolding(mounts, resolved);
    if (!mount)
        return DriveType::Unknown;
    return ClassifyMount(*mount, IsRemovableDevice(*mount, QStringLiteral("/sys")));
}

FsResult LocalFileSystem::writeFile(const QString& path, const QByteArray& bytes) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return FsResultFromErrno(errno);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            ::close(fd);
            return FsResultFromErrno(e);
        }
        data += n;
        left -= n;
    }
    // Some file systems (NFS, quota) only report a failed write on close.
    if (::close(fd) != 0)
        return FsResultFromErrno(errno);
    return FsResult::success();
}
