#include "publish/PublishPlan.h"

#include <QSet>
#include <algorithm>

namespace {
bool IsPage(const QString& path) {
    return path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}
} // namespace

PublishPlan MakePublishPlan(const PublishRecord& local, const std::optional<PublishRecord>& record,
                            const QStringList& remoteFiles, const QString& openingPage) {
    PublishPlan plan;
    const PublishRecord old = record.value_or(PublishRecord{});
    const QSet<QString> onRemote(remoteFiles.begin(), remoteFiles.end());
    plan.claim = old;
    for (auto it = local.begin(); it != local.end(); ++it) {
        const QString& path = it.key();
        if (path == kRecordName)
            continue;
        plan.finished.insert(path, *it);
        const auto known = old.constFind(path);
        const bool ours = known != old.constEnd();
        if (!ours && onRemote.contains(path)) {
            plan.clashes << path;
            continue;
        }
        if (ours && !known->sha256.isEmpty() && *known == *it && onRemote.contains(path))
            continue;
        plan.claim.insert(path, {it->size, {}});
        plan.bytesToSend += it->size;
        if (path == openingPage || path == u"index.html")
            plan.openingPages << path;
        else if (IsPage(path))
            plan.pages << path;
        else
            plan.assets << path;
    }
    for (auto it = old.begin(); it != old.end(); ++it)
        if (!local.contains(it.key()) && it.key() != kRecordName)
            plan.removals << it.key();
    // The opening page goes before index.html: the classic pages are what
    // the address printed first opens.
    std::stable_partition(plan.openingPages.begin(), plan.openingPages.end(),
                          [](const QString& page) { return page != u"index.html"; });
    return plan;
}
