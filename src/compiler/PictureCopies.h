#pragma once

#include "pictures/DecodeBudget.h"
#include "pictures/PictureEngine.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class SizeCache;

// The smaller sizes written beside every slide picture when a show asks for
// them: a thumbnail twice the size of a 120 x 90 strip cell, and a phone
// size for pictures larger than a phone screen. Both are JPEG.
inline constexpr QSize kThumbBox(240, 180);
inline constexpr QSize kPhoneBox(1280, 1280);
inline constexpr int kSizesJpegQuality = 85;
// Fitted copies, and pictures of the formats browsers do not all show.
inline constexpr int kFullJpegQuality = 90;

// What the compile wants of one picture.
struct PictureRequest {
    std::optional<QSize> fitBox; // the full copy fitted to this box; none: as it is
    bool sizes = false;          // a thumbnail and, when it is larger, a phone size too
    // Keys the cached sizes by this instead of the source file's identity
    // (SizeCache::identity): for a picture made for the run, such as a
    // clip's poster, whose file is new each time.
    QString cacheIdentity;
};

// One copy made by the engine: its bytes and upright size.
struct MadeCopy {
    QByteArray bytes;
    QSize size;
    bool made() const { return !bytes.isEmpty(); }
};

// Every copy of one picture.
struct PictureCopies {
    // Left out: the file is no picture the engine reads (or one that must
    // be converted and could not be decoded). `refusal` says why.
    bool leftOut = false;
    QString refusal;
    // The full copy is the source's own bytes (JPEG, PNG, GIF and BMP not
    // fitted, orientation tag and CMYK included: browsers apply both);
    // otherwise `full` holds it. `fullSize` is upright either way.
    bool copyAsItIs = true;
    MadeCopy full;
    QSize fullSize;
    MadeCopy thumb;              // when asked for
    MadeCopy phone;              // when asked for and the full copy is larger than kPhoneBox
    bool firstFrameOnly = false; // an animation or pages: the copies show the first
    bool sizesFailed = false;    // the picture did not decode: copied as it is, no sizes
};

// Makes the copies `request` asks for of `source`, each reduced from the
// source in one step with shrink-on-load (decodes share `budget`): the full
// copy in its own format when fitted (GIF keeps its animation, unfitted) and
// as JPEG for the formats browsers do not all show, every copy upright and
// in sRGB or its own RGB profile. Sizes found in `cache` are taken from it;
// those made are stored in it.
PictureCopies MakeCopies(const QString& source, const PictureRequest& request, DecodeBudget& budget,
                         const SizeCache* cache);

// MakeCopies for every one of `sources` on worker threads, each result
// handed to `done` on the calling thread in the order of `sources` (empty
// sources get an empty result without a worker). Only a few pictures are in
// flight at a time, so memory stays low however long the list. When `done`
// returns false no more are made or handed over.
void CopiesInOrder(const QStringList& sources, const PictureRequest& request, DecodeBudget& budget,
                   const SizeCache* cache,
                   const std::function<bool(int index, const PictureCopies&)>& done);
