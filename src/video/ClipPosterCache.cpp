#include "video/ClipPosterCache.h"

#include "video/ClipCache.h"
#include "video/ClipIdentify.h"
#include "video/ClipPoster.h"

#include <QFileInfo>

namespace {
QString PosterParameters() {
    return QStringLiteral("poster %1x%2")
        .arg(kWindowPosterBox.width())
        .arg(kWindowPosterBox.height());
}
} // namespace

CachedPoster ClipPoster(const QString& clip) {
    const QString name = ClipCacheName(clip, PosterParameters());
    if (name.isEmpty())
        return {{}, QStringLiteral("The clip is no regular file.")};
    const QString folder = ClipCacheFolder(QStringLiteral("posters"));
    const QString cached =
        folder.isEmpty() ? QString() : folder + u'/' + name + QStringLiteral(".jpg");
    if (!cached.isEmpty() && QFileInfo(cached).isFile())
        return {cached, {}};

    QString why;
    const std::optional<ClipTools> tools = FindClipTools(&why);
    if (!tools)
        return {{}, why};
    const IdentifiedClip identified = IdentifyClip(clip, *tools);
    if (!identified.ok())
        return {{}, identified.refusal};
    if (cached.isEmpty())
        return {{}, QStringLiteral("There is no cache folder to keep the clip's poster in.")};
    const ClipInfo& info = *identified.info;
    if (!MakeClipPoster(*tools, info, PlanClip(info, kWindowPosterBox), clip, cached, &why))
        return {{}, why};
    TrimClipCache(folder, kMaxPosterCacheBytes);
    return {cached, {}};
}
