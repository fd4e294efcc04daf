#include "editor/ui/WindowDrops.h"

#include "editor/ui/Form1.h"
#include "editor/ui/PictureChecks.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/SlideEditing.h"
#include "editor/ui/SongControls.h"
#include "platform/FilePaths.h"
#include "platform/Prompter.h"

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

// The pictures directly inside a folder, in name order.
QStringList PicturesIn(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    const QStringList names = dir.entryList(PictureNamePatterns(), QDir::Files | QDir::Readable,
                                            QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        paths << dir.filePath(name);
    return paths;
}
} // namespace

WindowDrops::WindowDrops(Form1& f) : QObject(&f), form(f) {
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
        // The drag source waits for the drop to end; questions and the
        // pictures' checks come after it.
        Drop(paths);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowDrops::Drop(const QStringList& paths) {
    if (paths.size() == 1 && IsShowFile(paths.front())) {
        form.showFiles().OpenShowFile(paths.front());
        return;
    }
    if (paths.size() == 1 && BackgroundSong::IsSongFile(paths.front()) &&
        QFileInfo(paths.front()).isFile()) {
        form.song().UseDroppedSong(paths.front());
        return;
    }
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
            skipped << QDir::toNativeSeparators(path);
    }
    if (!pictures.isEmpty())
        form.editing().AddDroppedPictures(pictures);
    if (!skipped.isEmpty())
        form.prompter().inform(
            QStringLiteral("These files were not added:\n\n") + skipped.join(QLatin1Char('\n')) +
                QStringLiteral("\n\nPictures (BMP, GIF, JPEG) and folders of pictures can be "
                               "dropped together; a show file or a song is dropped on its own."),
            QStringLiteral("Add Picture(s)"), MsgIcon::Exclamation);
}
