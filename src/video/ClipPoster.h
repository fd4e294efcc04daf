#pragma once

#include "video/ClipInfo.h"
#include "video/ClipPlan.h"
#include "video/ClipTools.h"

#include <QString>

// Writes the poster of the clip at `input` to `output` as a JPEG: the frame
// at 0.5 s (the first of a shorter clip), upright, at the plan's size. Blocks
// for a moment; false with `why` (plain text) when ffmpeg fails, and then
// nothing is left at `output`'s name.
bool MakeClipPoster(const ClipTools& tools, const ClipInfo& clip, const ClipPlan& plan,
                    const QString& input, const QString& output, QString* why);
