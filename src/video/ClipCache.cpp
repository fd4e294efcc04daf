#include "video/ClipCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <sys/stat.h>
#include <vector>

QString ClipCacheName(const QString& clip, const QString& parameters) {
    struct stat st {};
    const QString absolute = QFileInfo(clip).absoluteFilePath();
    if (::stat(QFile::encodeName(absolute).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    const QString identity = QStringLiteral("%1\n%2\n%3.%4\n%5\n%6\n")
                                 .arg(absolute)
                                 .arg(qint64(st.st_size))
                                 .arg(qint64(st.st_mtim.tv_sec))
                                 .arg(qint64(st.st_mtim.tv_nsec))
                                 .arg(quint64(st.st_ino))
                                 .arg(parameters);
    return QString::fromLatin1(
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString ClipCacheFolder(const QString& kind) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (base.isEmpty())
        return {};
    const QString folder = base + u'/' + kind;
    return QDir().mkpath(folder) ? folder : QString();
}

void TrimClipCache(const QString& folder, qint64 maxBytes) {
    // Temporary files start with a dot and are not listed.
    QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
    qint64 total = 0;
    for (const QFileInfo& f : files)
        total += f.size();
    for (const QFileInfo& f : files) {
        if (total <= maxBytes)
            break;
        if (QFile::remove(f.absoluteFilePath()))
            total -= f.size();
    }
}
