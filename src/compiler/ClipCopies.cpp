#include "compiler/ClipCopies.h"

#include "compiler/SizeCache.h"
#include "video/ClipIdentify.h"
#include "video/ClipPlan.h"
#include "video/ClipPoster.h"
#include "video/ClipTranscode.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>

namespace {
// How often a running encode asks whether to stop, besides ffmpeg's reports.
constexpr int kCancelPollMs = 100;

// The probe's findings, kept in the cache so a clip seen before is not
// probed and decoded again.
QByteArray InfoBytes(const ClipInfo& c) {
    QJsonObject o{
        {"container", int(c.container)},
        {"video", c.videoCodec},
        {"pixels", c.pixelFormat},
        {"transfer", c.transfer},
        {"depth", c.bitDepth},
        {"stored", QStringLiteral("%1x%2").arg(c.stored.width()).arg(c.stored.height())},
        {"shown", QStringLiteral("%1x%2").arg(c.displayed.width()).arg(c.displayed.height())},
        {"rotation", c.rotation},
        {"duration", c.duration},
        {"bytes", c.fileBytes}};
    if (c.frames)
        o.insert("frames", *c.frames);
    if (c.audioCodec)
        o.insert("audio", *c.audioCodec);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QSize SizeOf(const QJsonValue& v) {
    const QStringList sides = v.toString().split(u'x');
    return sides.size() == 2 ? QSize(sides[0].toInt(), sides[1].toInt()) : QSize();
}

std::optional<ClipInfo> InfoOf(const QByteArray& bytes) {
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    const int container = o.value("container").toInt(-1);
    if (container < int(ClipContainer::Mp4) || container > int(ClipContainer::WebM))
        return std::nullopt;
    ClipInfo c;
    c.container = ClipContainer(container);
    c.videoCodec = o.value("video").toString();
    c.pixelFormat = o.value("pixels").toString();
    c.transfer = o.value("transfer").toString();
    c.bitDepth = o.value("depth").toInt(8);
    c.stored = SizeOf(o.value("stored"));
    c.displayed = SizeOf(o.value("shown"));
    c.rotation = o.value("rotation").toInt();
    c.duration = o.value("duration").toDouble();
    c.fileBytes = qint64(o.value("bytes").toDouble());
    if (o.contains("frames"))
        c.frames = qint64(o.value("frames").toDouble());
    if (o.contains("audio"))
        c.audioCodec = o.value("audio").toString();
    if (c.displayed.isEmpty() || c.duration <= 0)
        return std::nullopt;
    return c;
}

// Everything that makes the clip and its poster of one identified source.
QString PlanParameters(const ClipPlan& plan) {
    return QStringLiteral("clip 1;%1;%2x%3;a%4;r%5;t%6")
        .arg(plan.step == ClipStep::Remux ? QStringLiteral("remux") : QStringLiteral("x264 crf21"))
        .arg(plan.size.width())
        .arg(plan.size.height())
        .arg(int(plan.audio))
        .arg(plan.rotation)
        .arg(int(plan.toneMap));
}

// The clip's identification, from the cache when it was seen before.
IdentifiedClip Identify(const ClipTools& tools, const QString& source, const QString& identity,
                        const SizeCache* cache) {
    const QString key =
        cache ? SizeCache::keyOf(identity, QStringLiteral("clip info 1")) : QString();
    if (const auto hit = cache ? cache->find(key) : std::nullopt)
        if (auto info = InfoOf(hit->bytes))
            return {std::move(info), {}};
    IdentifiedClip id = IdentifyClip(source, tools);
    if (id.ok() && cache)
        cache->store(key, {InfoBytes(*id.info), id.info->displayed});
    return id;
}

// Runs one transcode to its end in a loop of its own (progress and cancel
// are the caller's while it runs); the failure's text, or empty.
QString Transcode(const ClipJob& job, const ClipProgress& progress, bool* cancelled) {
    ClipTranscode transcode;
    QEventLoop loop;
    QString failure;
    double done = 0;
    const auto report = [&](double seconds) {
        done = seconds;
        if (!progress || progress(seconds, job.clip.duration))
            return;
        *cancelled = true;
        transcode.cancel();
        loop.quit();
    };
    QObject::connect(&transcode, &ClipTranscode::progressed, &loop,
                     [&](double seconds, double) { report(seconds); });
    QObject::connect(&transcode, &ClipTranscode::finished, &loop, &QEventLoop::quit);
    QObject::connect(&transcode, &ClipTranscode::failed, &loop, [&](const QString& why) {
        failure = why;
        loop.quit();
    });
    if (!transcode.start(job))
        return failure.isEmpty() ? MissingClipToolsText() : failure;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] { report(done); });
    poll.start(kCancelPollMs);
    // The window stays as it is while the compile runs: its host decides
    // what input it takes.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return failure;
}
} // namespace

ClipCopies MakeClipCopies(const std::optional<ClipTools>& tools, const QString& source,
                          const QString& finalClip, const ClipRequest& request,
                          DecodeBudget& budget, const SizeCache* cache,
                          const ClipProgress& progress) {
    ClipCopies made;
    const auto refuse = [&](const QString& why) {
        made.leftOut = true;
        made.refusal = why;
        return made;
    };
    if (!tools)
        return refuse(MissingClipToolsText());
    const QString identity = SizeCache::identity(source);
    const IdentifiedClip id = Identify(*tools, source, identity, cache);
    if (!id.ok())
        return refuse(id.refusal);
    const ClipInfo& info = *id.info;
    const ClipPlan plan = PlanClip(info, request.box);
    made.sound = plan.audio;
    const QString parameters = PlanParameters(plan);

    // The clip.
    const QString clipKey = cache ? SizeCache::keyOf(identity, parameters) : QString();
    if (const auto hit = cache ? cache->findFile(clipKey) : std::nullopt) {
        made.clipFile = *hit;
    } else {
        const QString output = cache && !clipKey.isEmpty() ? cache->filePath(clipKey) : finalClip;
        const QString failure =
            Transcode({*tools, source, info, plan, output}, progress, &made.cancelled);
        if (made.cancelled)
            return made;
        if (!failure.isEmpty())
            return refuse(failure);
        if (output != finalClip && !cache->storeFile(clipKey))
            return refuse(QStringLiteral("The clip made could not be kept."));
        made.clipFile = output;
        made.placed = output == finalClip;
    }

    // The poster, and its sizes made by the picture engine as a picture's.
    QTemporaryDir work;
    const QString posterFile = work.filePath(QStringLiteral("poster.jpg"));
    const QString posterKey =
        cache ? SizeCache::keyOf(identity, parameters + QStringLiteral(";poster")) : QString();
    if (const auto hit = cache ? cache->find(posterKey) : std::nullopt) {
        made.poster = {hit->bytes, hit->size};
    } else {
        QString why;
        QFile file(posterFile);
        if (!work.isValid() || !MakeClipPoster(*tools, info, plan, source, posterFile, &why) ||
            !file.open(QIODevice::ReadOnly)) {
            if (made.placed)
                QFile::remove(finalClip);
            return refuse(why.isEmpty() ? QStringLiteral("Its poster could not be made.") : why);
        }
        made.poster = {file.readAll(), plan.size};
        if (cache)
            cache->store(posterKey, {made.poster.bytes, made.poster.size});
    }
    if (!request.sizes)
        return made;
    // Kept by the poster's key: the poster file is new every run.
    PictureRequest sizes;
    sizes.sizes = true;
    sizes.cacheIdentity = identity + parameters + u'\n';
    if (!QFile::exists(posterFile)) {
        QFile file(posterFile);
        if (!work.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(made.poster.bytes) != made.poster.bytes.size())
            return made;
    }
    const PictureCopies copies = MakeCopies(posterFile, sizes, budget, cache);
    made.thumb = copies.thumb;
    made.phone = copies.phone;
    return made;
}
