#pragma once

#include <QFuture>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <QThreadPool>
#include <deque>
#include <utility>
#include <vector>

// The sorter's thumbnails, decoded at thumbnail size on worker threads and
// kept while the window is open. Each picture keeps the largest size asked
// for so far; asking for a smaller size decodes nothing. Large thumbnails are
// kept as JPEG (a tenth of their pixels' memory: a thousand at the largest
// size would otherwise take over 300 MB), the ones last shown unpacked.
// Positions are the slide slots; a swap exchanges two positions' pictures
// without decoding.
class ThumbnailStore : public QObject {
    Q_OBJECT
public:
    // One picture path per position, in slot order.
    explicit ThumbnailStore(const QStringList& paths, QObject* parent = nullptr);
    ~ThumbnailStore() override;

    int count() const { return static_cast<int>(order.size()); }
    // What position k shows: the kept image (null while it loads or when the
    // picture cannot be read), its path and whether it failed to decode.
    QImage image(int position) const;
    const QString& path(int position) const { return pictures[order[position]].path; }
    bool unreadable(int position) const { return pictures[order[position]].unreadable; }

    // Every picture at least at size; the positions first..last-1 first.
    void request(QSize size, std::pair<int, int> first);
    // The positions first..last-1 next, before the others still waiting.
    void prioritise(std::pair<int, int> first);
    void swap(int a, int b);

    // Pictures decoded (or failed) for the last request, out of how many.
    int done() const { return doneCount; }
    int asked() const { return askedCount; }
    bool loading() const { return doneCount < askedCount; }
    // Memory the kept thumbnails take, packed or not.
    qint64 keptBytes() const;

signals:
    void ready(int position);
    void progress(int done, int asked);

private:
    struct Picture {
        QString path;
        QImage image;      // small thumbnails, kept as they are
        QByteArray packed; // large ones, as JPEG
        QSize size;        // of either
        bool unreadable = false;
    };
    // A worker's result.
    struct Thumbnail {
        QImage image;
        QByteArray packed;
        QSize size;
    };
    struct Job {
        int picture = -1;
        QString path;
        QSize size;
    };

    bool needs(const Picture& p) const;
    void startWorkers();
    bool takeJob(Job& job);
    void work();
    void deliver(const Job& job, const Thumbnail& made);

    std::vector<Picture> pictures;
    std::vector<int> order;    // position -> picture
    std::vector<int> position; // picture -> position
    // Large thumbnails shown lately, unpacked; the latest last.
    mutable std::deque<std::pair<int, QImage>> unpacked;
    QSize wanted;
    int doneCount = 0;
    int askedCount = 0;

    // Shared with the workers.
    QMutex mutex;
    std::deque<int> queue; // pictures waiting, next first
    QSize jobSize;
    bool stopping = false;
    int running = 0;
    QList<QFuture<void>> workers;
    // The workers' own threads: Qt's painting and image scaling use the
    // global pool, and must not wait behind a whole show of decoding.
    QThreadPool pool;
};
