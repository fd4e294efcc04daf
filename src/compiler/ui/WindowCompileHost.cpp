#include "compiler/ui/WindowCompileHost.h"

#include "compiler/ui/NamePrompt.h"
#include "project/SlideShowProject.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <algorithm>

namespace {
// The bar counts files; each file's step has this many parts, which a clip
// fills as it encodes.
constexpr int kStepParts = 100;
// The clip dialog's bar counts tenths of seconds.
constexpr int kClipParts = 10;

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
    bar->setRange(0, maximum * kStepParts);
    bar->setValue(0);
    bar->setVisible(true);
}

void WindowCompileHost::setProgress(int value) {
    closeClipProgress();
    if (!bar)
        return;
    bar->setValue(value * kStepParts);
    // The copies run on the one thread: let the bar paint between them.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowCompileHost::setClipProgress(int value, double seconds, double duration) {
    const double part = duration > 0 ? std::clamp(seconds / duration, 0.0, 1.0) : 0.0;
    if (bar)
        bar->setValue(value * kStepParts + int(part * (kStepParts - 1)));
    if (!clipDialog) {
        clipDialog = new QProgressDialog(QStringLiteral("Making a video clip for the web..."),
                                         QStringLiteral("Cancel"), 0, 1, window);
        clipDialog->setObjectName(QStringLiteral("dlgClipProgress"));
        clipDialog->setWindowTitle(QStringLiteral("Pevrano Slide Show"));
        clipDialog->setAccessibleName(QStringLiteral("Making a video clip"));
        // Every window waits: the sorter too could change the show mid-run.
        clipDialog->setWindowModality(Qt::ApplicationModal);
        clipDialog->setAutoClose(false);
        clipDialog->setAutoReset(false);
        clipDialog->setMinimumDuration(0);
        clipDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    clipDialog->setMaximum(std::max(1, int(duration * kClipParts)));
    clipDialog->setValue(int(seconds * kClipParts));
    // The dialog is modal: Cancel is the only input the program takes now.
    QCoreApplication::processEvents();
}

bool WindowCompileHost::cancelRequested() {
    cancelled = cancelled || (clipDialog && clipDialog->wasCanceled());
    return cancelled;
}

void WindowCompileHost::closeClipProgress() {
    if (clipDialog)
        clipDialog->close();
}

void WindowCompileHost::hideProgress() {
    closeClipProgress();
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
