#include "sorter/ui/ThumbnailStore.h"

#include "pictures/ui/ShownPictures.h"

#include <QMutexLocker>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

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

bool ThumbnailStore::needs(const Picture& p) const {
    if (p.unreadable || p.path.isEmpty())
        return false;
    return p.image.width() < wanted.width() || p.image.height() < wanted.height();
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
        QImage image = DecodeToSize(job.path, job.size);
        // Three bytes a pixel where four hold the same: a thousand thumbnails
        // at the largest size are a quarter lighter.
        if (!image.isNull() && !image.hasAlphaChannel())
            image.convertTo(QImage::Format_RGB888);
        QMetaObject::invokeMethod(
            this, [this, job, image] { deliver(job, image); }, Qt::QueuedConnection);
    }
}

void ThumbnailStore::deliver(const Job& job, const QImage& image) {
    Picture& p = pictures[job.picture];
    if (image.isNull())
        p.unreadable = true;
    else if (image.width() >= p.image.width() && image.height() >= p.image.height())
        p.image = image;
    // A job for a size asked before the last request is not counted: the
    // request queued its picture again at the new size.
    if (job.size == wanted)
        ++doneCount;
    emit ready(position[job.picture]);
    emit progress(doneCount, askedCount);
}
