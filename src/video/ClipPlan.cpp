#include "video/ClipPlan.h"

#include <algorithm>
#include <cmath>

namespace {
int EvenAtLeastTwo(double side) {
    return std::max(2, int(std::floor(side / 2)) * 2);
}

bool FitsBox(QSize size, QSize box) {
    return size.width() <= box.width() && size.height() <= box.height();
}
} // namespace

QSize FitClipSize(QSize displayed, QSize box) {
    if (displayed.isEmpty() || box.isEmpty())
        return {};
    const double scale = std::min(
        {1.0, double(box.width()) / displayed.width(), double(box.height()) / displayed.height()});
    return {EvenAtLeastTwo(displayed.width() * scale), EvenAtLeastTwo(displayed.height() * scale)};
}

ClipPlan PlanClip(const ClipInfo& clip, QSize box) {
    ClipPlan plan;
    plan.audio = clip.audioCodec.has_value();
    const bool webVideo = clip.videoCodec == u"h264" && clip.pixelFormat == u"yuv420p" &&
                          clip.bitDepth == 8 && !IsHdr(clip);
    const bool webAudio = !clip.audioCodec || *clip.audioCodec == u"aac";
    const bool mp4Family =
        clip.container == ClipContainer::Mp4 || clip.container == ClipContainer::Mov;
    if (webVideo && webAudio && mp4Family && FitsBox(clip.displayed, box)) {
        plan.step = ClipStep::Remux;
        plan.size = clip.displayed;
        plan.rotation = clip.rotation;
    } else {
        plan.step = ClipStep::Encode;
        plan.size = FitClipSize(clip.displayed, box);
        plan.toneMap = IsHdr(clip);
    }
    return plan;
}
