#include "video/ClipPoster.h"

#include "video/ClipArguments.h"
#include "video/ClipOutputFile.h"

namespace {
constexpr int kPosterTimeoutMs = 60000;
}

bool MakeClipPoster(const ClipTools& tools, const ClipInfo& clip, const ClipPlan& plan,
                    const QString& input, const QString& output, QString* why) {
    auto file = ClipOutputFile::Beside(output, why);
    if (!file)
        return false;
    const ToolRun run = RunTool(
        tools.ffmpeg, PosterArguments(clip, plan, input, file->temporaryPath()), kPosterTimeoutMs);
    if (!run.ok()) {
        if (why)
            *why = !run.started   ? MissingClipToolsText()
                   : run.timedOut ? QStringLiteral("ffmpeg took too long to make the poster.")
                                  : QStringLiteral("ffmpeg could not make the poster: ") +
                                        ToolMessage(run.err);
        return false;
    }
    return file->place(why);
}
