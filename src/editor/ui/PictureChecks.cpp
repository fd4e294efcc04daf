#include "editor/ui/PictureChecks.h"

#include "pictures/ui/ShownPictures.h"
#include "platform/FilePaths.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

bool CanAddPicture(const QString& path) {
    return CanShowPicture(path);
}

bool MayBePicture(const QString& path) {
    return QDir::match(SlideNamePatterns(), QFileInfo(path).fileName()) || IsClipFile(path) ||
           ShownSize(path).has_value();
}

PictureChecks::PictureChecks(const QStringList& paths)
    : checks(QtConcurrent::mapped(paths, &CheckSlideFile)) {
    watcher.setFuture(checks);
}

PictureChecks::~PictureChecks() {
    cancel();
    checks.waitForFinished();
}

SlideFileCheck PictureChecks::check(int index) {
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
    return checks.isResultReadyAt(index) ? checks.resultAt(index) : SlideFileCheck::Unusable;
}

void PictureChecks::cancel() {
    checks.cancel();
}
