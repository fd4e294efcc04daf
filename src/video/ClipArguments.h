#pragma once

#include "video/ClipInfo.h"
#include "video/ClipPlan.h"

#include <QString>
#include <QStringList>

// ffmpeg's and ffprobe's argument lists. Pure: nothing here runs a tool.

// The input options and name of a clip: its demuxer named (no probing into
// other formats), only local files allowed (no network, no other protocol a
// crafted file could reach), and the path given as a file: URL so a name
// starting with a dash or holding a colon stays a name.
QStringList ClipInputArguments(const QString& path, ClipContainer container);

// Decodes the first frame and the last second of the video: a clip cut off
// fails or complains.
QStringList DecodeCheckArguments(const QString& path, ClipContainer container);

// Makes `output` (an MP4 whatever its name) from `input` by `plan`, its
// progress written to standard output.
QStringList TranscodeArguments(const ClipInfo& clip, const ClipPlan& plan, const QString& input,
                               const QString& output);

// The poster frame: at 0.5 s (the first frame of a shorter clip), upright, at
// the plan's size, as a JPEG in `output` whatever its name.
QStringList PosterArguments(const ClipInfo& clip, const ClipPlan& plan, const QString& input,
                            const QString& output);

// The moment the poster shows, in seconds.
double PosterTime(const ClipInfo& clip);
