#pragma once

#include "video/ClipInfo.h"
#include "video/ClipTools.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The container the first bytes of a file announce: an ISO BMFF `ftyp` box
// with an MP4, M4V or QuickTime brand (pictures and sound files share the box
// with other brands), or an EBML header (WebM, Matroska). Nothing else.
std::optional<ClipContainer> ClipContainerOfHeader(const QByteArray& head);

// The ClipInfo of ffprobe's JSON (-show_format -show_streams) for a file of
// `container`, or nullopt with `why` (one sentence) when it holds no video
// stream or no frames.
std::optional<ClipInfo> ClipInfoOfProbe(const QByteArray& json, ClipContainer container,
                                        QString* why);

// Identifies `path` by its content: a regular file of at most
// kMaxClipFileBytes announcing a clip container, which ffprobe reads and
// whose first and last frames ffmpeg decodes. Refused otherwise, with one
// sentence.
IdentifiedClip IdentifyClip(const QString& path, const ClipTools& tools);
// The same with the tools found on PATH (refused when they are missing).
IdentifiedClip IdentifyClip(const QString& path);
