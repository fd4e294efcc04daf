#pragma once

#include <QFuture>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <memory>

#include "editor/PreviewSteps.h"

class AutoRunDelay;
class ClipPlayback;
class MainWindow;
struct Slide;

// The preview as a show: the five stepping buttons cmdFB and the auto-run
// timer Timer1. Pictures are decoded at the preview's size; the slide that
// comes next is decoded ahead on a worker thread.
class PreviewNavigation : public QObject {
    Q_OBJECT
public:
    PreviewNavigation(MainWindow& form, AutoRunDelay& delay);
    ~PreviewNavigation() override;

    enum Button { Forward = 0, FastForward = 1, AutoRun = 2, Rewind = 3, Back = 4 };

    void pressNavigationButton(int index);
    void autoRunTick();
    void navigationButtonLeft(int index);

    // Shows slide n (window caption, counter, picture, caption, look).
    void ShowSlide(int n);
    // The current slide's background colour, background picture and caption
    // colours.
    void ApplySlideLook();
    bool AutoRunning() const;
    // Stops auto run: timer off, caption "Auto Run", delay controls enabled.
    void StopAutoRun();

    // Shows a slide's picture (or a clip's poster) in Image1, taking the
    // decoded-ahead picture when it is the one; false when it cannot be
    // shown. A clip playing stops.
    bool ShowPicture(const QString& path);
    // "Play Clip" on the preview.
    ClipPlayback& clips() { return *clipPlayback; }
    // Starts decoding a picture that is likely to be shown next.
    void Prefetch(const QString& path);
    // ImageBk shows the picture; an empty path or a picture that cannot be
    // shown leaves it empty.
    void ShowBackgroundPicture(const QString& path);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ShowNoPicturesMessage();
    void ShowEndMessage();
    void ShowBeginningMessage();
    // Starts auto run at slide 1: caption "Stop #1", the timer at the delay.
    void StartAutoRun();
    // The slide's background colour, background picture and caption colours.
    void ShowLook(const Slide& slide);
    // After auto run stops: shows the slide CurrentSlide names.
    void ShowNextAfterStop();
    // Shows slide n after a step, then decodes ahead the slide one further
    // step in the same direction.
    void StepTo(int n, int direction);
    bool DecodeAndShow(const QString& path);
    // Auto run plays a clip slide and moves on at its end rather than after
    // the delay; a clip stopped before its end leaves the delay to run.
    void clipFinished(bool atEnd);

    MainWindow& form;
    AutoRunDelay& delay;
    AutoRunState autoRun;
    std::unique_ptr<ClipPlayback> clipPlayback;
    struct Ahead {
        QString path;
        QSize box;
        QFuture<QImage> image;
    } ahead;
};
