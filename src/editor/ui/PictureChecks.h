#pragma once

#include "video/ui/ShownSlides.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QStringList>

// Whether a file may become a background: its content, never its name, is
// a picture the engine reads and shows.
bool CanAddPicture(const QString& path);

// Whether a dropped file is taken for a slide file, to be checked as one: it
// is named as a picture or a clip, or its header is a picture's or a clip's
// whatever its name.
bool MayBePicture(const QString& path);

// Checks on worker threads what each file of a selection is as a slide
// (CheckSlideFile), and hands the answers to the window thread in the
// selection's order.
class PictureChecks {
public:
    explicit PictureChecks(const QStringList& paths);
    ~PictureChecks();
    PictureChecks(const PictureChecks&) = delete;
    PictureChecks& operator=(const PictureChecks&) = delete;

    // The answer for paths[index]. While it is not ready the event loop runs
    // without user input, so the window repaints but takes no commands.
    SlideFileCheck check(int index);
    // Drops the checks not yet started.
    void cancel();

private:
    QFuture<SlideFileCheck> checks;
    QFutureWatcher<SlideFileCheck> watcher;
};
