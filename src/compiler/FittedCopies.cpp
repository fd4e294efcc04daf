#include "compiler/FittedCopies.h"

#include <QFuture>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <deque>
#include <utility>

void CopiesInOrder(const PictureFitter& fitter, const QStringList& sources,
                   const PictureRequest& request,
                   const std::function<void(int index, const PictureCopies&)>& done) {
    QThreadPool* pool = QThreadPool::globalInstance();
    // Enough queued behind the running ones that no worker waits for the
    // caller's writes; few enough that encoded copies do not pile up.
    const int inFlight = 2 * std::max(1, pool->maxThreadCount());
    std::deque<std::pair<int, QFuture<PictureCopies>>> running;
    const auto finishOldest = [&] {
        auto [index, future] = std::move(running.front());
        running.pop_front();
        done(index, future.result());
    };
    for (int i = 0; i < sources.size(); ++i) {
        if (static_cast<int>(running.size()) >= inFlight)
            finishOldest();
        const QString source = sources[i];
        running.emplace_back(i, source.isEmpty()
                                    ? QtFuture::makeReadyFuture(PictureCopies{})
                                    : QtConcurrent::run(pool, [&fitter, source, request] {
                                          return fitter.copies(source, request);
                                      }));
    }
    while (!running.empty())
        finishOldest();
}
