#include "compiler/ui/WindowCompileHost.h"

#include "compiler/ui/NamePrompt.h"
#include "project/SlideShowProject.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace {
// Shows the name prompt in `mode` and keeps what was typed in `name`, which
// is empty while the prompt is open.
void AskName(NamePrompt::Mode mode, QString& name, SlideShowProject& p, Prompter& ui,
             QWidget* window) {
    // An opened show offers the names it holds, as the command line takes them.
    const QString offered = p.names.FromShow ? name : QString();
    name.clear();
    NamePrompt prompt(mode, ui, p.names.FirstPageName, QDate::currentDate(), window, offered);
    prompt.exec();
    name = prompt.name();
    if (prompt.cancelled())
        p.flags.CompileCancelled = true;
}
} // namespace

WindowCompileHost::WindowCompileHost(QWidget* window, Prompter& ui, QProgressBar* progressBar,
                                     std::function<void()> stopSong)
    : window(window), ui(ui), bar(progressBar), stopSong(std::move(stopSong)) {}

void WindowCompileHost::AskPageName(SlideShowProject& p) {
    AskName(NamePrompt::Mode::PageName, p.names.FirstPageName, p, ui, window);
}

void WindowCompileHost::GetFolderName(SlideShowProject& p) {
    AskName(NamePrompt::Mode::FolderName, p.names.ShowFolderName, p, ui, window);
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
