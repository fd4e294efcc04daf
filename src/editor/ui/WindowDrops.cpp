#include "editor/ui/WindowDrops.h"

#include "editor/DroppedFilesMessage.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/PictureChecks.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/SlideEditing.h"
#include "editor/ui/SongControls.h"
#include "platform/FilePaths.h"
#include "platform/Prompter.h"
#include "video/ui/ShownSlides.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {
bool IsShowFile(const QString& path) {
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) && QFileInfo(path).isFile();
}

// The pictures and clips directly inside a folder, in name order.
QStringList PicturesIn(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    const QStringList names = dir.entryList(SlideNamePatterns(), QDir::Files | QDir::Readable,
                                            QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        paths << dir.filePath(name);
    return paths;
}
} // namespace

WindowDrops::WindowDrops(MainWindow& f) : QObject(&f), form(f) {
    form.setAcceptDrops(true);
    form.installEventFilter(this);
    // The text boxes take dropped text as text boxes do; dropped files are
    // the window's.
    for (QLineEdit* box : {form.ui.txtCaption, form.ui.txtPicTimeSec})
        box->installEventFilter(this);
}

QStringList WindowDrops::LocalFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

bool WindowDrops::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (LocalFiles(drag->mimeData()).isEmpty())
            break;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = LocalFiles(drop->mimeData());
        if (paths.isEmpty())
            break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The drag source waits for the drop event to end; questions and the
        // pictures' checks come after it.
        waiting << paths;
        QMetaObject::invokeMethod(this, &WindowDrops::HandleWaiting, Qt::QueuedConnection);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowDrops::HandleWaiting() {
    if (handling)
        return;
    handling = true;
    while (!waiting.isEmpty())
        Drop(waiting.takeFirst());
    handling = false;
}

void WindowDrops::Drop(const QStringList& paths) {
    // The compile lets events through to draw its progress; the show must
    // stay as it found it until it ends.
    if (form.CompileRunning()) {
        form.prompter().inform(QStringLiteral("The slide show is being compiled. Drop the files "
                                              "again when it is done."),
                               QStringLiteral("Make HTML File"), MsgIcon::Exclamation);
        return;
    }
    if (paths.size() == 1 && IsShowFile(paths.front())) {
        form.showFiles().OpenShowFile(paths.front());
        return;
    }
    if (paths.size() == 1 && BackgroundSong::IsSongFile(paths.front()) &&
        QFileInfo(paths.front()).isFile()) {
        form.song().UseDroppedSong(paths.front());
        return;
    }
    AddDropped(paths);
}

void WindowDrops::AddDropped(const QStringList& paths) {
    QStringList pictures;
    QStringList skipped;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QStringList inFolder = info.isDir() ? PicturesIn(path) : QStringList();
        if (!inFolder.isEmpty())
            pictures << inFolder;
        else if (!info.isDir() && MayBePicture(path))
            pictures << path;
        else
            skipped << path;
    }
    DroppedPicturesOutcome added;
    if (!pictures.isEmpty())
        added = form.editing().AddDroppedPictures(pictures);
    if (const auto message = DroppedFilesMessage(added.refused, skipped, added.leftOut))
        form.prompter().messageBox(*message);
}
