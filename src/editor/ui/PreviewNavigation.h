#pragma once

#include <QFuture>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include "editor/PreviewSteps.h"

class AutoRunDelay;
class MainWindow;
struct Slide;

// The preview as a show: the five stepping buttons cmdFB and the auto-run
// timer Timer1. Pictures are decoded at the preview's size; the slide that
// comes next is decoded ahead on a worker thread.
class PreviewNavigation : public QObject {
    Q_OBJECT
public:
    PreviewNavigation(MainWindow& form, AutoRunDelay& delay);

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

    // Shows a picture in Image1, taking the decoded-ahead picture when it is
    // the one; false when it cannot be shown.
    bool ShowPicture(const QString& path);
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

    MainWindow& form;
    AutoRunDelay& delay;
    AutoRunState autoRun;
    struct Ahead {
        QString path;
        QSize box;
        QFuture<QImage> image;
    } ahead;
};
