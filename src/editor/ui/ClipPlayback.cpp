#include "editor/ui/ClipPlayback.h"

#include "editor/ui/MainWindow.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewStage.h"
#include "editor/ui/SongControls.h"
#include "platform/Prompter.h"
#include "video/ui/ClipPlayer.h"
#include "video/ui/ShownSlides.h"

#include <QEvent>
#include <QPushButton>
#include <utility>

namespace {
// The button's distance from the preview's lower left corner.
constexpr int kButtonInset = 8;
} // namespace

ClipPlayback::ClipPlayback(MainWindow& f)
    : form(f), playButton(new QPushButton(QStringLiteral("Play Clip"), f.ui.preview)),
      clipPlayer(new ClipPlayer(f.ui.preview)) {
    playButton->setObjectName(QStringLiteral("playClip"));
    playButton->setAccessibleName(QStringLiteral("Play Clip"));
    playButton->setFocusPolicy(Qt::StrongFocus);
    playButton->setCursor(Qt::PointingHandCursor);
    playButton->hide();
    // After the stepping buttons, which stand just below the preview.
    QWidget::setTabOrder(form.ui.cmdFB[1], playButton);
    connect(playButton, &QPushButton::clicked, this, &ClipPlayback::playClip);
    connect(clipPlayer, &ClipPlayer::stopped, this, &ClipPlayback::playerStopped);
    connect(clipPlayer, &ClipPlayer::failed, this, [this](const QString& message) {
        form.prompter().inform(QStringLiteral("The clip could not be played: ") + message,
                               QStringLiteral("Play Clip"), MsgIcon::Exclamation);
    });
    form.ui.preview->installEventFilter(this);
    form.ui.Image1->installEventFilter(this);
}

bool ClipPlayback::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form.ui.preview && event->type() == QEvent::Resize)
        place();
    else if (watched == form.ui.Image1 && event->type() == QEvent::Hide)
        SlideShown({});
    return QObject::eventFilter(watched, event);
}

void ClipPlayback::place() {
    // Run before the stage lays out its own layers, so measured from the
    // stage itself: the clip plays where the picture is drawn.
    const QRect stage = form.ui.preview->rect();
    constexpr int m = PreviewStage::kPictureMargin;
    clipPlayer->setGeometry(stage.adjusted(m, m, -m, -m));
    playButton->adjustSize();
    playButton->move(kButtonInset, stage.height() - playButton->height() - kButtonInset);
}

void ClipPlayback::SlideShown(const QString& path) {
    const QString clip = !path.isEmpty() && IsClipFile(path) ? path : QString();
    // Another slide (or the same one shown again by a step or an undo)
    // ends the clip playing.
    stop();
    shownClip = clip;
    refreshButton();
}

void ClipPlayback::refreshButton() {
    const bool offered = !shownClip.isEmpty() && !playing();
    if (offered) {
        place();
        playButton->raise();
    }
    playButton->setVisible(offered);
}

void ClipPlayback::playClip() {
    if (shownClip.isEmpty())
        return;
    PlayShownClip();
    clipPlayer->setFocus(Qt::OtherFocusReason);
    focusBack = true;
}

void ClipPlayback::PlayShownClip() {
    if (shownClip.isEmpty())
        return;
    place();
    form.song().commands().HoldForClip();
    clipPlayer->play(shownClip);
    focusBack = false;
    refreshButton();
}

void ClipPlayback::stop() {
    clipPlayer->stop();
}

bool ClipPlayback::playing() const {
    return clipPlayer->playing();
}

void ClipPlayback::playerStopped(bool atEnd, bool byViewer) {
    form.song().commands().ResumeAfterClip();
    refreshButton();
    if (std::exchange(focusBack, false) && (atEnd || byViewer) && playButton->isVisible())
        playButton->setFocus(Qt::OtherFocusReason);
    emit finished(atEnd);
}
