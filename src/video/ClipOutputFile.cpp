#include "video/ClipOutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

std::optional<ClipOutputFile> ClipOutputFile::Beside(const QString& finalPath, QString* why) {
    const QFileInfo info(finalPath);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX.part"));
    file.setAutoRemove(false);
    if (!file.open()) {
        if (why)
            *why = file.errorString();
        return std::nullopt;
    }
    return ClipOutputFile(file.fileName(), info.absoluteFilePath());
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
