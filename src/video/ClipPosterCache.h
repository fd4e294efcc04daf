#pragma once

#include <QSize>
#include <QString>

// The poster a window shows for a clip (the compile's poster frame: at
// 0.5 s, upright), made once by ffmpeg into the user's cache folder
// ("posters") and taken from there afterwards.

struct CachedPoster {
    QString path;    // the poster, a JPEG
    QString refusal; // one sentence when there is none

    bool ok() const { return !path.isEmpty(); }
};

// Posters are made to fit within this box; windows scale them down.
inline constexpr QSize kWindowPosterBox(1280, 1280);
// The posters kept; the oldest go first.
inline constexpr qint64 kMaxPosterCacheBytes = 256LL << 20;

// The poster of `clip`: the cached one, or one made now (the clip is
// identified by its content first, which takes a moment). Safe to call from
// worker threads.
CachedPoster ClipPoster(const QString& clip);
