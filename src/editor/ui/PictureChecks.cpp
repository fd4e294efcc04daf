#include "editor/ui/PictureChecks.h"

#include "pictures/ui/ShownPictures.h"
#include "platform/FilePaths.h"

#include <QEventLoop>
#include <QtConcurrent/QtConcurrentMap>

bool CanAddPicture(const QString& path) {
    return CanShowPicture(path);
}

bool MayBePicture(const QString& path) {
    return HasPictureExtension(path) || ShownSize(path).has_value();
}

PictureChecks::PictureChecks(const QStringList& paths)
    : checks(QtConcurrent::mapped(paths, &CanAddPicture)) {
    watcher.setFuture(checks);
}

PictureChecks::~PictureChecks() {
    cancel();
    checks.waitForFinished();
}

bool PictureChecks::canShow(int index) {
    if (!checks.isResultReadyAt(index) && !checks.isFinished()) {
        QEventLoop loop;
        QObject::connect(&watcher, &QFutureWatcherBase::resultReadyAt, &loop, [&](int) {
            if (checks.isResultReadyAt(index))
                loop.quit();
        });
        QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
        if (!checks.isResultReadyAt(index) && !checks.isFinished())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return checks.isResultReadyAt(index) && checks.resultAt(index);
}

void PictureChecks::cancel() {
    checks.cancel();
}
