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
    // What tells `source` apart from any other file or version of it: its
    // path, size, modification time and inode; empty when it cannot be
    // looked at.
    static QString identity(const QString& source);
    // The key of what `parameters` make of the file of `identity` (empty
    // when `identity` is).
    static QString keyOf(const QString& identity, const QString& parameters);

    struct Entry {
        QByteArray bytes;
        QSize size;
    };
    // The entry, when there is one whose checksum matches; a damaged one is
    // removed. A hit counts as a use.
    std::optional<Entry> find(const QString& key) const;
    void store(const QString& key, const Entry& entry) const;

    // File entries keep what is too large to be read whole (a clip) as a
    // file of its own, which callers link or copy out; beside it a small
    // entry holds its length and checksum. filePath() is where a new one is
    // written (its folder made), storeFile() then checks it in; findFile()
    // gives the path of a whole one (a hit counts as a use) or removes a
    // damaged one.
    QString filePath(const QString& key) const;
    bool storeFile(const QString& key) const;
    std::optional<QString> findFile(const QString& key) const;

    // Removes the least recently used entries until the cache is within its
    // bound (a file entry and its small entry go together).
    void trim() const;

    const QString& folder() const { return dir; }

private:
    QString pathOf(const QString& key) const;

    QString dir;
    qint64 maxBytes;
};
