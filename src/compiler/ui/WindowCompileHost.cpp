#include "compiler/ui/WindowCompileHost.h"

#include "compiler/ui/frmFileName.h"
#include "project/SlideShowProject.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

WindowCompileHost::WindowCompileHost(QWidget* window, Prompter& ui, QProgressBar* progressBar,
                                     std::function<void()> stopSong)
    : window(window), ui(ui), bar(progressBar), stopSong(std::move(stopSong)) {}

void WindowCompileHost::AskPageName(SlideShowProject& p) {
    p.names.FirstPageName.clear();
    frmFileName prompt(frmFileName::Mode::PageName, ui, p.names.FirstPageName, QDate::currentDate(),
                       window);
    prompt.exec();
    p.names.FirstPageName = prompt.name();
    if (prompt.cancelled())
        p.flags.CompileCancelled = true;
}

void WindowCompileHost::GetFolderName(SlideShowProject& p) {
    p.names.ShowFolderName.clear();
    frmFileName prompt(frmFileName::Mode::FolderName, ui, p.names.FirstPageName,
                       QDate::currentDate(), window);
    prompt.exec();
    p.names.ShowFolderName = prompt.name();
    if (prompt.cancelled())
        p.flags.CompileCancelled = true;
}

void WindowCompileHost::stopSongPreview() {
    if (stopSong)
        stopSong();
}

void WindowCompileHost::showProgress(int maximum) {
    if (!bar)
        return;
    bar->setRange(0, maximum);
    bar->setValue(0);
    bar->setVisible(true);
}

void WindowCompileHost::setProgress(int value) {
    if (!bar)
        return;
    bar->setValue(value);
    // The copies run on the one thread: let the bar paint between them.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowCompileHost::hideProgress() {
    if (bar)
        bar->setVisible(false);
}

void WindowCompileHost::setBusy(bool busy) {
    if (!window)
        return;
    if (busy)
        window->setCursor(Qt::WaitCursor);
    else
        window->unsetCursor();
}

void WindowCompileHost::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
