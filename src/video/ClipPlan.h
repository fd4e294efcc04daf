#pragma once

#include "video/ClipInfo.h"

#include <QSize>

// How a clip becomes the show's clip: H.264 (8-bit yuv420p) with AAC sound or
// none, in MP4 with its index first, within a box.

enum class ClipStep {
    Remux,  // already fit for the web: its streams copied, its rotation kept as metadata
    Encode, // made again, upright and fitted
};

struct ClipPlan {
    ClipStep step = ClipStep::Encode;
    QSize size;           // the result's frames: displayed size for a remux, upright for an encode
    bool audio = false;   // the result has a sound track
    int rotation = 0;     // left as metadata (a remux only)
    bool toneMap = false; // an HDR clip made standard range (an encode only)
};

inline constexpr QSize kDefaultClipBox(1920, 1080);

// `displayed` scaled to fit within `box`, never enlarged, both sides even
// (H.264 in yuv420p needs them even) and at least 2.
QSize FitClipSize(QSize displayed, QSize box);

// The plan for `clip` within `box`.
ClipPlan PlanClip(const ClipInfo& clip, QSize box = kDefaultClipBox);
