#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void SetError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

QString ErrnoText(int e) {
    return QString::fromLocal8Bit(std::strerror(e));
}
} // namespace

bool IsRegularFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool OpenRegularFile(QFile& file, const QString& path, QString* error) {
    file.close();
    file.setFileName(path);
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.contains('\0')) {
        SetError(error, ErrnoText(ENOENT));
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        SetError(error, ErrnoText(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        SetError(error,
                 S_ISDIR(st.st_mode) ? ErrnoText(EISDIR) : QStringLiteral("Not a regular file"));
        return false;
    }
    // Reads of a regular file never wait; the flag only mattered for open.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes, QString* error) {
    QFile file;
    if (!OpenRegularFile(file, path, error))
        return std::nullopt;
    if (file.size() > maxBytes) {
        SetError(error, QStringLiteral("The file is too large"));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return std::nullopt;
    }
    // It may have grown since its size was asked.
    if (bytes.size() > maxBytes) {
        SetError(error, QStringLiteral("The file is too large"));
        return std::nullopt;
    }
    return bytes;
}

QString DecodeOutsideText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder ansi("windows-1252");
    return ansi.isValid() ? QString(ansi.decode(view)) : QString::fromLatin1(view);
}
