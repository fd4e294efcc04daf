#pragma once

#include <QSize>
#include <QString>
#include <optional>

// What a video clip holds, as ffprobe reads it.

enum class ClipContainer { Mp4, Mov, WebM };

struct ClipInfo {
    ClipContainer container = ClipContainer::Mp4;
    QString videoCodec;  // ffmpeg's name: h264, hevc, vp9, av1, ...
    QString pixelFormat; // ffmpeg's name: yuv420p, yuv420p10le, ...
    QString transfer;    // ffmpeg's name of the colour transfer: bt709, arib-std-b67, ...
    int bitDepth = 8;
    QSize stored;                      // the frames as stored
    QSize displayed;                   // as shown: pixels made square, the rotation applied
    int rotation = 0;                  // clockwise turn a player applies: 0, 90, 180 or 270
    double duration = 0;               // seconds
    std::optional<qint64> frames;      // when the container says
    std::optional<QString> audioCodec; // none for a silent clip
    qint64 fileBytes = 0;
};

// Whether the clip is high dynamic range (HLG or PQ, as phones record it),
// which looks washed out when shown as it is on a web page.
inline bool IsHdr(const ClipInfo& clip) {
    return clip.transfer == u"arib-std-b67" || clip.transfer == u"smpte2084";
}

// A clip the program takes, or the reason it does not.
struct IdentifiedClip {
    std::optional<ClipInfo> info;
    QString refusal; // one sentence for messages, when `info` is empty

    bool ok() const { return info.has_value(); }
};

// Files larger than this are not taken as clips (a long 4K phone clip stays
// well below it).
inline constexpr qint64 kMaxClipFileBytes = 16LL << 30;
