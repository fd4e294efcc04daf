#include "editor/ui/PreviewNavigation.h"

#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/ClipPlayback.h"
#include "editor/ui/FocusMoves.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/PictureView.h"
#include "platform/Prompter.h"
#include "platform/ui/ColorSwatch.h"
#include "project/ColorText.h"
#include "video/ui/ShownSlides.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace {
const QString kAutoRunCaption = QStringLiteral("Auto Run");
const QString kSimulatorTitle = QStringLiteral("Microsoft Explorer (Simulator)");

QString StopCaption(int slide) {
    return QStringLiteral("Stop #") + QString::number(slide);
}

StepButton StepButtonOf(int index) {
    switch (index) {
    case PreviewNavigation::FastForward:
        return StepButton::FastForward;
    case PreviewNavigation::Rewind:
        return StepButton::Rewind;
    case PreviewNavigation::Back:
        return StepButton::Back;
    default:
        return StepButton::Forward;
    }
}
} // namespace

PreviewNavigation::PreviewNavigation(MainWindow& f, AutoRunDelay& d) : form(f), delay(d) {
    for (int i = 0; i < 5; ++i)
        connect(form.ui.cmdFB[i], &QPushButton::clicked, this,
                [this, i] { pressNavigationButton(i); });
    connect(form.ui.Timer1, &QTimer::timeout, this, &PreviewNavigation::autoRunTick);
    form.ui.cmdFB[AutoRun]->installEventFilter(this);
    clipPlayback = std::make_unique<ClipPlayback>(form);
    connect(clipPlayback.get(), &ClipPlayback::finished, this, &PreviewNavigation::clipFinished);
}

PreviewNavigation::~PreviewNavigation() = default;

bool PreviewNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form.ui.cmdFB[AutoRun] && event->type() == QEvent::FocusOut &&
        FocusMovedWithinWindow(event))
        navigationButtonLeft(AutoRun);
    return QObject::eventFilter(watched, event);
}

bool PreviewNavigation::AutoRunning() const {
    return autoRun.running();
}

void PreviewNavigation::StopAutoRun() {
    autoRun.stop();
    form.ui.Timer1->stop();
    form.ui.cmdFB[AutoRun]->setText(kAutoRunCaption);
    delay.SetDelayControlsEnabled(true);
}

void PreviewNavigation::StartAutoRun() {
    SlideShowProject& p = form.project();
    autoRun.start();
    p.setCurrentSlide(1);
    form.ui.cmdFB[AutoRun]->setText(StopCaption(1));
    form.ui.Timer1->start(p.settings.NumSecDelay * 1000);
    ApplySlideLook();
    Prefetch(p.slide(1).PicturePath);
}

void PreviewNavigation::pressNavigationButton(int index) {
    SlideShowProject& p = form.project();
    const int count = p.SlideCount();
    if (count == 0) {
        ShowNoPicturesMessage();
        return;
    }
    delay.SetDelayControlsEnabled(true);
    if (index == AutoRun) {
        if (AutoRunning()) {
            StopAutoRun();
            ShowNextAfterStop();
        } else {
            StartAutoRun();
        }
        return;
    }
    if (index < 0 || index > Back)
        return;
    StopAutoRun();
    const StepButton button = StepButtonOf(index);
    const PreviewStep step =
        StepFrom(button, p.CurrentSlide(), count, p.settings.AmountOfSlidesFFRev);
    switch (step.kind) {
    case PreviewStep::Show:
        StepTo(step.slide,
               button == StepButton::Forward || button == StepButton::FastForward ? +1 : -1);
        break;
    case PreviewStep::Settle:
        p.setCurrentSlide(static_cast<qint16>(step.slide));
        break;
    case PreviewStep::AtEnd:
        ShowEndMessage();
        break;
    case PreviewStep::AtBeginning:
        ShowBeginningMessage();
        break;
    }
}

void PreviewNavigation::StepTo(int n, int direction) {
    SlideShowProject& p = form.project();
    p.setCurrentSlide(static_cast<qint16>(n));
    ShowSlide(n);
    const int further = n + direction;
    if (further >= 1 && further <= p.SlideCount())
        Prefetch(p.slide(further).PicturePath);
}

void PreviewNavigation::ShowSlide(int n) {
    SlideShowProject& p = form.project();
    form.ShowPictureNumber(n);
    const Slide& slide = p.slot(qBound(0, n - 1, int(p.SlideCapacity())));
    if (!slide.PicturePath.isEmpty()) {
        // A picture that cannot be shown is skipped; the step goes on.
        if (!ShowPicture(slide.PicturePath))
            form.ui.Image1->clear();
        form.ShowCaptionText(slide.Caption);
        form.ui.cmdChangePic->setEnabled(true);
    } else {
        form.ui.Image1->hide();
        form.ui.cmdChangePic->setEnabled(false);
    }
    ApplySlideLook();
}

void PreviewNavigation::ApplySlideLook() {
    const SlideShowProject& p = form.project();
    ShowLook(p.slot(qBound(0, p.CurrentSlide() - 1, int(p.SlideCapacity()))));
}

void PreviewNavigation::ShowLook(const Slide& slide) {
    form.ui.lblNewBkGnd->setColor(StoredColorValue(slide.PicBackColor));
    ShowBackgroundPicture(slide.BkPicture);
    form.SetCaptionBoxColors(StoredColorValue(slide.CapBackColor),
                             StoredColorValue(slide.CapForeColor));
}

void PreviewNavigation::autoRunTick() {
    SlideShowProject& p = form.project();
    const int count = p.SlideCount();
    if (count == 0) {
        p.setCurrentSlide(1);
        StopAutoRun();
        form.prompter().inform(QStringLiteral("You need to add some pictures for me to show"),
                               QStringLiteral("No Pictures, you poor thing!"),
                               MsgIcon::Exclamation);
        return;
    }
    const AutoRunState::Tick tick = AutoRunState::TickFrom(p.CurrentSlide(), count);
    const int current = tick.shown;
    delay.SetDelayControlsEnabled(false);
    form.ui.cmdFB[AutoRun]->setText(StopCaption(current));
    form.ShowPictureNumber(current);

    const Slide& slide = p.slide(current);
    form.ShowCaptionText(slide.Caption);
    if (!ShowPicture(slide.PicturePath))
        form.ui.Image1->clear();
    form.ui.cmdChangePic->setEnabled(true);
    ShowLook(slide);

    p.setCurrentSlide(static_cast<qint16>(tick.next));
    Prefetch(p.slide(tick.next).PicturePath);
    if (clipPlayback->ClipShown()) {
        form.ui.Timer1->stop();
        clipPlayback->PlayShownClip();
    }
}

void PreviewNavigation::clipFinished(bool atEnd) {
    if (!AutoRunning())
        return;
    if (atEnd)
        autoRunTick();
    if (AutoRunning() && !clipPlayback->playing())
        form.ui.Timer1->start(form.project().settings.NumSecDelay * 1000);
}

void PreviewNavigation::navigationButtonLeft(int index) {
    if (index != AutoRun)
        return;
    const bool wasRunning = AutoRunning();
    StopAutoRun();
    if (wasRunning)
        ShowNextAfterStop();
}

void PreviewNavigation::ShowNextAfterStop() {
    // While running, CurrentSlide is the slide the next tick would show, not
    // the one on screen. The caption box, Delete and Change Picture act on
    // CurrentSlide, so the screen must show that slide in full; its look
    // alone would leave the previous slide's caption in the box, to be
    // stored into this one when the box is left.
    SlideShowProject& p = form.project();
    if (p.SlideCount() == 0)
        return;
    p.setCurrentSlide(qBound<qint16>(1, p.CurrentSlide(), p.SlideCount()));
    ShowSlide(p.CurrentSlide());
}

bool PreviewNavigation::ShowPicture(const QString& path) {
    const bool shown = DecodeAndShow(path);
    clipPlayback->SlideShown(shown ? path : QString());
    return shown;
}

bool PreviewNavigation::DecodeAndShow(const QString& path) {
    if (path.isEmpty())
        return false;
    PictureView& view = *form.ui.Image1;
    const QSize box = view.decodeBox();
    QImage image;
    if (ahead.path == path && ahead.box == box && ahead.image.isValid())
        image = ahead.image.result();
    else
        image = DecodeSlideToFit(path, box);
    if (ahead.path == path)
        ahead = {};
    if (image.isNull())
        return false;
    view.showDecoded(path, image);
    view.show();
    return true;
}

void PreviewNavigation::Prefetch(const QString& path) {
    const QSize box = form.ui.Image1->decodeBox();
    if (path.isEmpty() || (ahead.path == path && ahead.box == box))
        return;
    // The task holds copies only, so an abandoned prefetch just finishes
    // on its own.
    ahead = {path, box, QtConcurrent::run([path, box] { return DecodeSlideToFit(path, box); })};
}

void PreviewNavigation::ShowBackgroundPicture(const QString& path) {
    if (path.isEmpty() || !form.ui.ImageBk->load(path))
        form.ui.ImageBk->clear();
}

void PreviewNavigation::ShowNoPicturesMessage() {
    form.prompter().inform(QString(34, u' ') + QStringLiteral("Please Add a Picture."),
                           QStringLiteral("You need to add some pictures in order to move "
                                          "forward or backward."),
                           MsgIcon::Critical);
}

void PreviewNavigation::ShowEndMessage() {
    form.prompter().inform(QStringLiteral("You are at the End of the Slide Show! Press: 'Back'"),
                           kSimulatorTitle);
}

void PreviewNavigation::ShowBeginningMessage() {
    form.prompter().inform(QStringLiteral("You are at the Beginning! Press: 'Forward'"),
                           kSimulatorTitle);
}
