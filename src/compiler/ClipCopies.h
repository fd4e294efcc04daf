#pragma once

#include "compiler/PictureCopies.h"
#include "pictures/DecodeBudget.h"
#include "video/ClipTools.h"

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class SizeCache;

// What the compile wants of one clip.
struct ClipRequest {
    QSize box;          // the clip and its poster fitted within it
    bool sizes = false; // the poster's thumbnail and, when larger, its phone size
};

// The show's clip of one source and its poster's copies.
struct ClipCopies {
    bool leftOut = false; // no clip the tools read or could make; `refusal` says why
    bool cancelled = false;
    QString refusal;
    bool sound = false; // the clip made has an audio track
    // The clip, whole: a cache entry (to be linked or copied under its final
    // name) or, without a cache, already under its final name.
    QString clipFile;
    bool placed = false; // `clipFile` is the final name
    MadeCopy poster;     // JPEG, upright, at the clip's size
    MadeCopy thumb;
    MadeCopy phone;
};

// Told while a clip encodes: `seconds` of `duration` done. Returns false to
// stop it at once.
using ClipProgress = std::function<bool(double seconds, double duration)>;

// Makes the show's clip of `source` as PlanClip says (remuxed or encoded,
// within `request.box`) and its poster with the sizes the request asks for,
// one clip at a time with ffmpeg's own threads; `tools` none: refused with
// MissingClipToolsText(). With a cache, the clip's identification, the clip
// and its poster are taken from it or stored in it; the clip is written
// there and then placed by the caller. Without one it is written under
// `finalClip`. A cancel or a failure leaves nothing under either name.
ClipCopies MakeClipCopies(const std::optional<ClipTools>& tools, const QString& source,
                          const QString& finalClip, const ClipRequest& request,
                          DecodeBudget& budget, const SizeCache* cache,
                          const ClipProgress& progress);
