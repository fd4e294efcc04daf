#pragma once

#include <QString>
#include <QStringList>

class Prompter;
class SlideShowProject;

// What a compile run needs from the window that started it: the dialogs, the
// name prompt, the progress bar and pointer, and the shell. The main window,
// the headless command and the tests each provide one.
class CompileHost {
public:
    virtual ~CompileHost() = default;

    virtual Prompter& prompter() = 0;
    // The name prompt in page mode: sets names.FirstPageName (lower-cased), or
    // flags.CompileCancelled when the user cancels.
    virtual void AskPageName(SlideShowProject& p) = 0;
    // The name prompt in folder mode: sets names.ShowFolderName (lower-cased),
    // or flags.CompileCancelled.
    virtual void GetFolderName(SlideShowProject& p) = 0;
    // Unticks the sound check box, which stops the song preview.
    virtual void stopSongPreview() = 0;

    // Progress of the copies (the main window's PBar1) and the hourglass.
    virtual void showProgress(int maximum) = 0;
    virtual void setProgress(int value) = 0;
    virtual void hideProgress() = 0;
    virtual void setBusy(bool busy) = 0;
    // While a clip encodes in the step after `value`: `seconds` of its
    // `duration` are done, for the bar to fill that step with.
    virtual void setClipProgress(int value, double seconds, double duration) {
        (void)value;
        (void)seconds;
        (void)duration;
    }
    // Whether the user asked to stop the run; asked while a clip encodes,
    // which then stops at once.
    virtual bool cancelRequested() { return false; }

    // Opens a document with the desktop's default application (tHyperJump).
    virtual void openDocument(const QString& path) = 0;

    // A picture or the song is not what it claims, or could not be decoded
    // to be written as JPEG, and is not in the show; the run's closing
    // message names it.
    void pictureLeftOut(const QString& source) { leftOut << source; }
    const QStringList& picturesLeftOut() const { return leftOut; }

private:
    QStringList leftOut;
};
