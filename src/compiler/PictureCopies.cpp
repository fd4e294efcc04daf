#include "compiler/PictureCopies.h"

#include "compiler/SizeCache.h"

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <deque>
#include <utility>

namespace {
bool Larger(QSize a, QSize b) {
    return a.width() > b.width() || a.height() > b.height();
}

// The full copy in the picture's own format, or JPEG for the others.
QByteArray Encoded(const DecodedPicture& picture, PictureFormat format) {
    switch (format) {
    case PictureFormat::Png:
        return picture.png();
    case PictureFormat::Bmp:
        return picture.bmp();
    default:
        return picture.jpeg(kFullJpegQuality);
    }
}

MadeCopy Made(const QByteArray& bytes, const DecodedPicture& from) {
    return {bytes, bytes.isEmpty() ? QSize() : from.size()};
}

// A size to make: where it goes, the parameters that make it, and its key.
struct Wanted {
    MadeCopy* into;
    QString key;
    bool found = false;
};
} // namespace

PictureCopies MakeCopies(const QString& source, const PictureRequest& request, DecodeBudget& budget,
                         const SizeCache* cache) {
    PictureCopies made;
    const Identified id = IdentifyPicture(source);
    if (!id.ok()) {
        made.leftOut = true;
        made.refusal = id.refusal;
        return made;
    }
    const PictureInfo& info = *id.info;
    const bool convert = !BrowsersShow(info.format);
    // GIF keeps its animation: it is never re-encoded.
    const bool fit = request.fitBox && info.format != PictureFormat::Gif &&
                     Larger(info.upright, *request.fitBox);
    made.copyAsItIs = !fit && !convert;
    made.fullSize = fit ? FittedSize(info.upright, *request.fitBox) : info.upright;
    made.firstFrameOnly = convert && info.frames > 1;
    const bool phone = request.sizes && Larger(made.fullSize, kPhoneBox);

    // Each size's key names everything that makes it.
    const QString base =
        QStringLiteral("engine 1;%1x%2;").arg(made.fullSize.width()).arg(made.fullSize.height());
    std::vector<Wanted> wanted;
    if (!made.copyAsItIs)
        wanted.push_back({&made.full, QStringLiteral("full q%1").arg(kFullJpegQuality)});
    if (phone)
        wanted.push_back({&made.phone, QStringLiteral("phone q%1").arg(kSizesJpegQuality)});
    if (request.sizes)
        wanted.push_back({&made.thumb, QStringLiteral("thumb q%1").arg(kSizesJpegQuality)});
    bool allFound = true;
    for (Wanted& w : wanted) {
        w.key = !cache ? QString()
                : request.cacheIdentity.isEmpty()
                    ? SizeCache::key(source, base + w.key)
                    : SizeCache::keyOf(request.cacheIdentity, base + w.key);
        if (const auto hit = cache ? cache->find(w.key) : std::nullopt) {
            *w.into = {hit->bytes, hit->size};
            w.found = true;
        }
        allFound = allFound && w.found;
    }
    if (allFound)
        return made;

    // Each copy is reduced in one step from a decode at least as large as
    // vipsthumbnail's for it: reducing a reduced copy again blurs and folds
    // detail past what the sizes may lose.
    std::vector<Wanted*> missing;
    std::vector<QSize> boxes;
    for (Wanted& w : wanted)
        if (!w.found) {
            missing.push_back(&w);
            boxes.push_back(w.into == &made.full    ? made.fullSize
                            : w.into == &made.phone ? kPhoneBox
                                                    : kThumbBox);
        }
    const DecodedSizes decoded = DecodePictureSizes(source, boxes, &budget);
    if (!decoded.ok()) {
        made.leftOut = convert; // under a ".jpg" name it would be a file no page shows
        made.refusal = decoded.refusal;
        made.sizesFailed = !convert;
        made.copyAsItIs = !convert;
        made.full = made.thumb = made.phone = {};
        return made;
    }
    for (std::size_t i = 0; i < missing.size(); ++i) {
        const DecodedPicture& picture = decoded.pictures[i];
        const bool isFull = missing[i]->into == &made.full;
        const QByteArray bytes =
            !isFull ? picture.jpeg(kSizesJpegQuality)
                    : Encoded(picture, convert ? PictureFormat::Jpeg : info.format);
        *missing[i]->into = Made(bytes, picture);
        if (isFull)
            made.fullSize = picture.size();
    }
    if (cache)
        for (const Wanted& w : wanted)
            if (!w.found && w.into->made())
                cache->store(w.key, {w.into->bytes, w.into->size});
    return made;
}

void CopiesInOrder(const QStringList& sources, const PictureRequest& request, DecodeBudget& budget,
                   const SizeCache* cache,
                   const std::function<bool(int index, const PictureCopies&)>& done) {
    QThreadPool* pool = QThreadPool::globalInstance();
    // Enough queued behind the running ones that no worker waits for the
    // caller's writes; few enough that encoded copies do not pile up.
    const int inFlight = 2 * std::max(1, pool->maxThreadCount());
    std::deque<std::pair<int, QFuture<PictureCopies>>> running;
    bool goOn = true;
    const auto finishOldest = [&] {
        auto [index, future] = std::move(running.front());
        running.pop_front();
        // Those still running after a stop are waited for, not handed over.
        const PictureCopies made = future.result();
        goOn = goOn && done(index, made);
    };
    for (int i = 0; goOn && i < sources.size(); ++i) {
        if (static_cast<int>(running.size()) >= inFlight)
            finishOldest();
        if (!goOn)
            break;
        const QString source = sources[i];
        running.emplace_back(i, source.isEmpty()
                                    ? QtFuture::makeReadyFuture(PictureCopies{})
                                    : QtConcurrent::run(pool, [source, request, &budget, cache] {
                                          return MakeCopies(source, request, budget, cache);
                                      }));
    }
    while (!running.empty())
        finishOldest();
}
