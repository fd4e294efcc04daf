#pragma once

#include "compiler/CompileHost.h"

#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QWidget>
#include <functional>

// The compile host of the main window: the name prompt window, the window's
// progress bar (PBar1) and hourglass pointer, a Cancel while a clip encodes,
// and the desktop's default application for "view now".
class WindowCompileHost : public CompileHost {
public:
    WindowCompileHost(QWidget* window, Prompter& ui, QProgressBar* progressBar,
                      std::function<void()> stopSong);

    Prompter& prompter() override { return ui; }
    void AskPageName(SlideShowProject& p) override;
    void GetFolderName(SlideShowProject& p) override;
    void stopSongPreview() override;
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void setBusy(bool busy) override;
    void setClipProgress(int value, double seconds, double duration) override;
    bool cancelRequested() override;
    void openDocument(const QString& path) override;

private:
    void closeClipProgress();

    QPointer<QWidget> window;
    Prompter& ui;
    QPointer<QProgressBar> bar;
    std::function<void()> stopSong;
    // Shown while a clip encodes, with the run's Cancel; modal, so it alone
    // takes input then.
    QPointer<QProgressDialog> clipDialog;
    bool cancelled = false;
};
