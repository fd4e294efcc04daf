#include "compiler/SizeCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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

// A file entry's data beside its small entry.
const QString kFileSuffix = QStringLiteral(".file");

struct FileSum {
    qint64 length = 0;
    QByteArray checksum;
};

// The length and checksum of a file entry's data, read in pieces. BLAKE2b
// rather than SHA-256: a clip is read whole at every use, and Qt's BLAKE2b
// is about five times faster.
std::optional<FileSum> SumOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    if (!hash.addData(&file))
        return std::nullopt;
    return FileSum{file.size(), hash.result()};
}

QByteArray FileEntryBytes(const FileSum& sum) {
    QByteArray b(8, '\0');
    qToLittleEndian<qint64>(sum.length, b.data());
    return QByteArrayLiteral("file") + b + sum.checksum;
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

QString SizeCache::identity(const QString& source) {
    struct stat st {};
    const QString absolute = QFileInfo(source).absoluteFilePath();
    if (::stat(QFile::encodeName(absolute).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return QStringLiteral("%1\n%2\n%3.%4\n%5\n")
        .arg(absolute)
        .arg(qint64(st.st_size))
        .arg(qint64(st.st_mtim.tv_sec))
        .arg(qint64(st.st_mtim.tv_nsec))
        .arg(quint64(st.st_ino));
}

QString SizeCache::keyOf(const QString& identity, const QString& parameters) {
    if (identity.isEmpty())
        return {};
    return QString::fromLatin1(QCryptographicHash::hash((identity + parameters + u'\n').toUtf8(),
                                                        QCryptographicHash::Sha256)
                                   .toHex());
}

QString SizeCache::key(const QString& source, const QString& parameters) {
    return keyOf(identity(source), parameters);
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

QString SizeCache::filePath(const QString& key) const {
    const QString path = pathOf(key) + kFileSuffix;
    QDir().mkpath(QFileInfo(path).path());
    return path;
}

bool SizeCache::storeFile(const QString& key) const {
    if (key.isEmpty())
        return false;
    const std::optional<FileSum> sum = SumOf(pathOf(key) + kFileSuffix);
    if (!sum || sum->length <= 0)
        return false;
    store(key, {FileEntryBytes(*sum), {}});
    return true;
}

std::optional<QString> SizeCache::findFile(const QString& key) const {
    const std::optional<Entry> entry = find(key);
    if (!entry)
        return std::nullopt;
    const QString path = pathOf(key) + kFileSuffix;
    const std::optional<FileSum> sum = SumOf(path);
    if (!sum || FileEntryBytes(*sum) != entry->bytes) {
        // Damaged or gone: made again.
        QFile::remove(path);
        QFile::remove(pathOf(key));
        return std::nullopt;
    }
    QFile(path).setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return path;
}

void SizeCache::trim() const {
    struct Item {
        QString path;
        qint64 bytes;
        QDateTime used;
    };
    std::vector<Item> items;
    QHash<QString, qint64> bytesOf;
    qint64 total = 0;
    const QDateTime stale = QDateTime::currentDateTimeUtc().addDays(-1);
    for (const QFileInfo& sub : QDir(dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& f : QDir(sub.filePath()).entryInfoList(QDir::Files | QDir::Hidden)) {
            // A clip's part left by a run that was killed while it encoded.
            if (f.fileName().startsWith(u'.')) {
                if (f.fileName().endsWith(QLatin1String(".part")) && f.lastModified() < stale)
                    QFile::remove(f.filePath());
                continue;
            }
            items.push_back({f.filePath(), f.size(), f.lastModified()});
            bytesOf.insert(f.filePath(), f.size());
            total += f.size();
        }
    if (total <= maxBytes)
        return;
    std::sort(items.begin(), items.end(),
              [](const Item& a, const Item& b) { return a.used < b.used; });
    const auto remove = [&](const QString& path) {
        const auto it = bytesOf.find(path);
        if (it != bytesOf.end() && QFile::remove(path)) {
            total -= *it;
            bytesOf.erase(it);
        }
    };
    for (const Item& item : items) {
        if (total <= maxBytes)
            break;
        remove(item.path);
        // A file entry is of no use without its small entry, nor the other way.
        remove(item.path.endsWith(kFileSuffix) ? item.path.chopped(kFileSuffix.size())
                                               : item.path + kFileSuffix);
    }
}
