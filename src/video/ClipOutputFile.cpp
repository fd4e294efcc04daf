#include "video/ClipOutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

std::optional<ClipOutputFile> ClipOutputFile::Beside(const QString& finalPath, QString* why) {
    const QFileInfo info(finalPath);
    // Made here rather than by QTemporaryFile, whose files are private to
    // their owner: a show's clips are for a web server to read.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral("%1/.%2.%3.part")
                                 .arg(info.absolutePath(), info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return ClipOutputFile(name, info.absoluteFilePath());
        }
        if (errno != EEXIST) {
            if (why)
                *why = QString::fromLocal8Bit(std::strerror(errno));
            return std::nullopt;
        }
    }
    if (why)
        *why = QString::fromLocal8Bit(std::strerror(EEXIST));
    return std::nullopt;
}

ClipOutputFile::ClipOutputFile(QString temporary, QString final)
    : temporary(std::move(temporary)), final(std::move(final)) {}

ClipOutputFile::ClipOutputFile(ClipOutputFile&& other) noexcept
    : temporary(std::exchange(other.temporary, {})), final(std::move(other.final)) {}

ClipOutputFile& ClipOutputFile::operator=(ClipOutputFile&& other) noexcept {
    if (this != &other) {
        discard();
        temporary = std::exchange(other.temporary, {});
        final = std::move(other.final);
    }
    return *this;
}

ClipOutputFile::~ClipOutputFile() {
    discard();
}

bool ClipOutputFile::place(QString* why) {
    if (temporary.isEmpty() || QFileInfo(temporary).size() <= 0) {
        if (why)
            *why = QStringLiteral("ffmpeg wrote nothing.");
        return false;
    }
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(final).constData()) != 0) {
        if (why)
            *why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    temporary.clear();
    return true;
}

void ClipOutputFile::discard() {
    if (!temporary.isEmpty())
        QFile::remove(temporary);
    temporary.clear();
}
