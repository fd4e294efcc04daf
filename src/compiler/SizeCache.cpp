#include "compiler/SizeCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <sys/stat.h>
#include <vector>

namespace {
// "PVSZ", then width and height (4 bytes each, little endian), the SHA-256
// of everything after it, then the size's bytes.
constexpr char kMagic[] = "PVSZ";
constexpr int kHeaderBytes = 4 + 8 + 32;

QByteArray Checksum(const QByteArray& sizeAndBytes) {
    return QCryptographicHash::hash(sizeAndBytes, QCryptographicHash::Sha256);
}

QByteArray SizeBytes(QSize size) {
    QByteArray b(8, '\0');
    qToLittleEndian<qint32>(size.width(), b.data());
    qToLittleEndian<qint32>(size.height(), b.data() + 4);
    return b;
}
} // namespace

SizeCache::SizeCache(QString folder, qint64 maxBytes)
    : dir(std::move(folder)), maxBytes(maxBytes) {}

std::optional<SizeCache> SizeCache::inUserCache(qint64 maxBytes) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (maxBytes <= 0 || base.isEmpty())
        return std::nullopt;
    return SizeCache(base + QStringLiteral("/sizes"), maxBytes);
}

QString SizeCache::key(const QString& source, const QString& parameters) {
    struct stat st {};
    const QString absolute = QFileInfo(source).absoluteFilePath();
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

QString SizeCache::pathOf(const QString& key) const {
    return dir + u'/' + key.left(2) + u'/' + key;
}

std::optional<SizeCache::Entry> SizeCache::find(const QString& key) const {
    if (key.isEmpty())
        return std::nullopt;
    QFile file(pathOf(key));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray all = file.readAll();
    file.close();
    const QByteArray sized = all.mid(4 + 32);
    if (all.size() < kHeaderBytes || !all.startsWith(kMagic) || all.mid(4, 32) != Checksum(sized)) {
        QFile::remove(file.fileName()); // damaged: made again
        return std::nullopt;
    }
    // Used now: the last to go when the cache is trimmed.
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return Entry{sized.mid(8), QSize(qFromLittleEndian<qint32>(sized.constData()),
                                     qFromLittleEndian<qint32>(sized.constData() + 4))};
}

void SizeCache::store(const QString& key, const Entry& entry) const {
    if (key.isEmpty() || entry.bytes.isEmpty())
        return;
    const QString path = pathOf(key);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return;
    const QByteArray sized = SizeBytes(entry.size) + entry.bytes;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(kMagic, 4);
    file.write(Checksum(sized));
    file.write(sized);
    file.commit(); // a failed write leaves no entry
}

void SizeCache::trim() const {
    struct Item {
        QString path;
        qint64 bytes;
        QDateTime used;
    };
    std::vector<Item> items;
    qint64 total = 0;
    for (const QFileInfo& sub : QDir(dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& f : QDir(sub.filePath()).entryInfoList(QDir::Files)) {
            items.push_back({f.filePath(), f.size(), f.lastModified()});
            total += f.size();
        }
    if (total <= maxBytes)
        return;
    std::sort(items.begin(), items.end(),
              [](const Item& a, const Item& b) { return a.used < b.used; });
    for (const Item& item : items) {
        if (total <= maxBytes)
            break;
        if (QFile::remove(item.path))
            total -= item.bytes;
    }
}
