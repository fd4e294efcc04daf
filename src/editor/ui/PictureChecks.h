#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QStringList>

// Whether a file may become a slide picture or a background: its content,
// never its name, is a picture the engine reads and shows.
bool CanAddPicture(const QString& path);

// Whether a dropped file is taken for a picture, to be checked as one: it is
// named as a picture, or its header is a picture's whatever its name.
bool MayBePicture(const QString& path);

// Checks on worker threads whether each picture of a selection can be shown,
// and hands the answers to the window thread in the selection's order.
class PictureChecks {
public:
    explicit PictureChecks(const QStringList& paths);
    ~PictureChecks();
    PictureChecks(const PictureChecks&) = delete;
    PictureChecks& operator=(const PictureChecks&) = delete;

    // The answer for paths[index]. While it is not ready the event loop runs
    // without user input, so the window repaints but takes no commands.
    bool canShow(int index);
    // Drops the checks not yet started.
    void cancel();

private:
    QFuture<bool> checks;
    QFutureWatcher<bool> watcher;
};
