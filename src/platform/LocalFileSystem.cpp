#include "platform/LocalFileSystem.h"

#include "platform/MountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

QString ReadProcFile(const char* path) {
    // /proc files report size 0, so read to the end rather than by size.
    QFile f(QString::fromLatin1(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Copies `size` bytes in the kernel: copy_file_range where the file systems
// allow it, sendfile otherwise, plain reads and writes as the last resort.
// Returns 0 or the errno of the failure.
int CopyContents(int in, int out, off_t size) {
    enum class Way { Range, SendFile, ReadWrite } way = Way::Range;
    std::vector<char> buffer;
    off_t left = size;
    while (left > 0) {
        const size_t chunk = static_cast<size_t>(std::min<off_t>(left, off_t{1} << 30));
        ssize_t n = -1;
        switch (way) {
        case Way::Range:
            n = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
            break;
        case Way::SendFile:
            n = ::sendfile(out, in, nullptr, chunk);
            break;
        case Way::ReadWrite:
            buffer.resize(1 << 20);
            n = ::read(in, buffer.data(), std::min(chunk, buffer.size()));
            for (ssize_t done = 0; n > 0 && done < n;) {
                const ssize_t w = ::write(out, buffer.data() + done, static_cast<size_t>(n - done));
                if (w < 0 && errno != EINTR)
                    return errno;
                done += std::max<ssize_t>(w, 0);
            }
            break;
        }
        if (n < 0) {
            const bool unsupported =
                errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP;
            if (unsupported && way != Way::ReadWrite) {
                way = way == Way::Range ? Way::SendFile : Way::ReadWrite;
                continue;
            }
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break; // the source shrank while being copied
        left -= n;
    }
    return 0;
}

// A path with a NUL would name another, shorter path once handed to the
// system; no file has such a name.
bool HasNul(const QString& path) {
    return path.contains(QChar(u'\0'));
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
    if (HasNul(path))
        return FsResultFromErrno(EINVAL);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return FsResultFromErrno(errno);
    return FsResult::success();
}

FsResult LocalFileSystem::copyFile(const QString& from, const QString& to) {
    // One open of each side and the kernel's own copy; the destination must
    // be new (O_EXCL) and is created writable by its owner, so the attribute
    // step that follows usually has nothing left to do. Only regular files
    // are copied: the source is opened without blocking, so a FIFO without a
    // writer (or a device) is refused instead of hanging the run.
    if (HasNul(from) || HasNul(to))
        return FsResultFromErrno(EINVAL);
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return FsResultFromErrno(errno);
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int e = st.st_mode == 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(in);
        return FsResultFromErrno(e);
    }
    ::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) & ~O_NONBLOCK);
    const mode_t mode = (st.st_mode & 0777) | S_IWUSR;
    const int out =
        ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (out < 0) {
        const int e = errno;
        ::close(in);
        return FsResultFromErrno(e);
    }
    int error = CopyContents(in, out, st.st_size);
    ::close(in);
    // Some file systems (NFS, quota) only report a failed write on close.
    if (::close(out) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(QFile::encodeName(to).constData());
        return FsResultFromErrno(error);
    }
    return FsResult::success();
}

FsResult LocalFileSystem::linkOrCopyFile(const QString& from, const QString& to) {
    if (HasNul(from) || HasNul(to))
        return FsResultFromErrno(EINVAL);
    struct stat st {};
    errno = 0;
    // Only a regular file is linked; a link to anything else is no copy.
    if (::lstat(QFile::encodeName(from).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return FsResult::success();
    if (errno == EEXIST)
        return FsResultFromErrno(errno);
    // Another file system, or one without hard links: copied.
    return copyFile(from, to);
}

FsResult LocalFileSystem::makeOwnerWritable(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return FsResultFromErrno(errno);
    if ((st.st_mode & S_IWUSR) == 0 &&
        ::chmod(name.constData(), (st.st_mode & 07777) | S_IWUSR) != 0)
        return FsResultFromErrno(errno);
    return FsResult::success();
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
    if (HasNul(path))
        return FsResultFromErrno(EINVAL);
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return FsResultFromErrno(errno);
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno != EINTR)
                error = errno;
            continue;
        }
        data += n;
        left -= n;
    }
    // Some file systems (NFS, quota) only report a failed write on close.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        // No half-written page stays behind (a device written to stays).
        if (regular)
            ::unlink(name.constData());
        return FsResultFromErrno(error);
    }
    return FsResult::success();
}

NameLimits LocalFileSystem::nameLimits(const QString& directory) {
    NameLimits limits;
    const QByteArray name = QFile::encodeName(directory);
    if (const long n = ::pathconf(name.constData(), _PC_NAME_MAX); n > 0)
        limits.nameMax = n;
    if (const long n = ::pathconf(name.constData(), _PC_PATH_MAX); n > 0)
        limits.pathMax = n;
    return limits;
}
