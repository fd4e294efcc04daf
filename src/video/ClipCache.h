#pragma once

#include <QString>

// Files made from clips for the window (posters, upright copies to play),
// kept in the user's cache folder. Each is named by the clip's identity
// (path, size, modification time, inode) and what was made, so an edited or
// replaced clip never finds the old one; each is written under a temporary
// name and renamed when whole, and a folder is kept within its bound by
// removing the oldest.

// The file name (without folder) for what `parameters` describe made from
// `clip`; empty when the clip is no regular file (it is then never cached).
QString ClipCacheName(const QString& clip, const QString& parameters);

// QStandardPaths::CacheLocation + "/" + `kind`, made when missing; empty
// when there is no cache folder.
QString ClipCacheFolder(const QString& kind);

// Removes the oldest files of `folder` (by modification time) until the
// rest hold at most `maxBytes`; files being written are left alone.
void TrimClipCache(const QString& folder, qint64 maxBytes);
