#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

// The sizes a compile made (thumbnails, phone sizes, fitted and converted
// copies), kept in the user's cache folder so the next compile of the same
// pictures copies them instead of decoding again. An entry is keyed by the
// picture's identity (path, size, modification time, inode) and the
// parameters of the size; it holds the size's bytes, its width and height
// and a SHA-256 checksum of them, checked before use: an entry that does not
// match is removed and made again. Entries are written atomically; the
// cache is kept within its bound by removing the least recently used.
// Safe to use from several threads at once (each entry is its own file).
class SizeCache {
public:
    SizeCache(QString folder, qint64 maxBytes);

    // The cache in QStandardPaths::CacheLocation ("sizes" inside it), or
    // none when `maxBytes` is 0 or there is no cache folder.
    static std::optional<SizeCache> inUserCache(qint64 maxBytes);

    // The key of one size of `source`; empty when the file cannot be
    // looked at (it is then never cached).
    static QString key(const QString& source, const QString& parameters);

    struct Entry {
        QByteArray bytes;
        QSize size;
    };
    // The entry, when there is one whose checksum matches; a damaged one is
    // removed. A hit counts as a use.
    std::optional<Entry> find(const QString& key) const;
    void store(const QString& key, const Entry& entry) const;
    // Removes the least recently used entries until the cache is within its
    // bound.
    void trim() const;

    const QString& folder() const { return dir; }

private:
    QString pathOf(const QString& key) const;

    QString dir;
    qint64 maxBytes;
};
