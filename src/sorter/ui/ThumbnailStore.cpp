#include "sorter/ui/ThumbnailStore.h"

#include "video/ui/ShownSlides.h"

#include <QBuffer>
#include <QMutexLocker>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {
// Thumbnails with more pixel bytes than this are kept as JPEG.
constexpr qint64 kPackAbove = 48 * 1024;
// How many large thumbnails stay unpacked: more than a screen holds at the
// largest size, so drawing one decodes only what scrolled into view.
constexpr std::size_t kUnpackedKept = 96;

QByteArray Packed(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "JPG", 90) ? bytes : QByteArray();
}
} // namespace

ThumbnailStore::ThumbnailStore(const QStringList& paths, QObject* parent) : QObject(parent) {
    pictures.resize(static_cast<std::size_t>(paths.size()));
    for (int i = 0; i < paths.size(); ++i) {
        pictures[i].path = paths[i];
        order.push_back(i);
        position.push_back(i);
    }
}

ThumbnailStore::~ThumbnailStore() {
    {
        QMutexLocker lock(&mutex);
        stopping = true;
        queue.clear();
    }
    for (QFuture<void>& w : workers)
        w.waitForFinished();
}

QImage ThumbnailStore::image(int position) const {
    const int k = order[position];
    const Picture& p = pictures[k];
    if (p.packed.isEmpty())
        return p.image;
    const auto at = std::find_if(unpacked.begin(), unpacked.end(),
                                 [k](const auto& entry) { return entry.first == k; });
    if (at != unpacked.end())
        return at->second;
    QImage shown = QImage::fromData(p.packed, "JPG");
    unpacked.emplace_back(k, shown);
    if (unpacked.size() > kUnpackedKept)
        unpacked.pop_front();
    return shown;
}

qint64 ThumbnailStore::keptBytes() const {
    qint64 bytes = 0;
    for (const Picture& p : pictures)
        bytes += p.image.sizeInBytes() + p.packed.size();
    for (const auto& [k, shown] : unpacked)
        bytes += shown.sizeInBytes();
    return bytes;
}

bool ThumbnailStore::needs(const Picture& p) const {
    if (p.unreadable || p.path.isEmpty())
        return false;
    return p.size.width() < wanted.width() || p.size.height() < wanted.height();
}

void ThumbnailStore::request(QSize size, std::pair<int, int> first) {
    if (size.width() <= wanted.width() && size.height() <= wanted.height() && !wanted.isEmpty())
        return prioritise(first);
    wanted = wanted.expandedTo(size);
    {
        QMutexLocker lock(&mutex);
        jobSize = wanted;
        queue.clear();
        for (int k : order)
            if (needs(pictures[k]))
                queue.push_back(k);
        askedCount = static_cast<int>(queue.size());
        doneCount = 0;
    }
    prioritise(first);
    // The workers start once the window has handled what is already waiting
    // (the new layout's paint first): on a busy machine they would otherwise
    // take the cores the window needs to answer.
    QMetaObject::invokeMethod(this, &ThumbnailStore::startWorkers, Qt::QueuedConnection);
    emit progress(doneCount, askedCount);
}

void ThumbnailStore::prioritise(std::pair<int, int> first) {
    QMutexLocker lock(&mutex);
    const int from = std::max(0, first.first);
    const int to = std::min(count(), first.second);
    if (from >= to || queue.empty())
        return;
    auto visible = [&](int picture) {
        const int at = position[picture];
        return at >= from && at < to;
    };
    std::stable_partition(queue.begin(), queue.end(), visible);
}

void ThumbnailStore::swap(int a, int b) {
    QMutexLocker lock(&mutex);
    std::swap(order[a], order[b]);
    position[order[a]] = a;
    position[order[b]] = b;
}

void ThumbnailStore::startWorkers() {
    QMutexLocker lock(&mutex);
    const int threads = std::max(1, pool.maxThreadCount());
    const int wantedWorkers = std::min(threads, static_cast<int>(queue.size()));
    workers.removeIf([](const QFuture<void>& w) { return w.isFinished(); });
    while (running < wantedWorkers) {
        ++running;
        workers.append(QtConcurrent::run(&pool, [this] { work(); }));
    }
}

bool ThumbnailStore::takeJob(Job& job) {
    QMutexLocker lock(&mutex);
    if (stopping || queue.empty()) {
        --running;
        return false;
    }
    job.picture = queue.front();
    queue.pop_front();
    job.path = pictures[job.picture].path;
    job.size = jobSize;
    return true;
}

// Runs on a worker thread: decodes until the queue is empty.
void ThumbnailStore::work() {
    Job job;
    while (takeJob(job)) {
        Thumbnail made;
        made.image = DecodeSlideToSize(job.path, job.size);
        made.size = made.image.size();
        if (made.image.sizeInBytes() > kPackAbove) {
            made.packed = Packed(made.image);
            if (!made.packed.isEmpty())
                made.image = QImage();
        } else if (!made.image.isNull() && !made.image.hasAlphaChannel()) {
            // Three bytes a pixel where four hold the same.
            made.image.convertTo(QImage::Format_RGB888);
        }
        QMetaObject::invokeMethod(
            this, [this, job, made] { deliver(job, made); }, Qt::QueuedConnection);
    }
}

void ThumbnailStore::deliver(const Job& job, const Thumbnail& made) {
    Picture& p = pictures[job.picture];
    if (made.size.isEmpty()) {
        p.unreadable = true;
    } else if (made.size.width() >= p.size.width() && made.size.height() >= p.size.height()) {
        p.image = made.image;
        p.packed = made.packed;
        p.size = made.size;
        std::erase_if(unpacked, [&](const auto& entry) { return entry.first == job.picture; });
    }
    // A job for a size asked before the last request is not counted: the
    // request queued its picture again at the new size.
    if (job.size == wanted)
        ++doneCount;
    emit ready(position[job.picture]);
    emit progress(doneCount, askedCount);
}
