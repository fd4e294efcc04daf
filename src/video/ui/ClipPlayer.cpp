#include "video/ui/ClipPlayer.h"

#include <QAudioOutput>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

ClipPlayer::ClipPlayer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("clipPlayer"));
    setAccessibleName(QStringLiteral("Clip playing"));
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    hide();
    progressCheck.setInterval(1000);
    connect(&progressCheck, &QTimer::timeout, this, &ClipPlayer::checkProgress);
}

ClipPlayer::~ClipPlayer() {
    if (player)
        player->disconnect(this);
}

void ClipPlayer::makePlayer() {
    if (player)
        return;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    video = new QVideoWidget(this);
    video->setAspectRatioMode(Qt::KeepAspectRatio);
    // Clicks and keys reach this widget, which stops the clip.
    video->setAttribute(Qt::WA_TransparentForMouseEvents);
    video->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(video);
    output = std::make_unique<QAudioOutput>();
    player = std::make_unique<QMediaPlayer>();
    player->setAudioOutput(output.get());
    player->setVideoOutput(video);
    connect(player.get(), &QMediaPlayer::mediaStatusChanged, this, &ClipPlayer::statusChanged);
    connect(player.get(), &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString& text) {
                if (error == QMediaPlayer::NoError || !playing())
                    return;
                finish(false);
                emit failed(text);
            });
}

void ClipPlayer::play(const QString& path) {
    makePlayer();
    if (playing())
        player->stop();
    clip = path;
    show();
    raise();
    player->setSource(QUrl::fromLocalFile(path));
    player->play();
    lastPosition = -1;
    stillChecks = 0;
    progressCheck.start();
}

void ClipPlayer::checkProgress() {
    constexpr int kMaxStillChecks = 10;
    if (!playing())
        return;
    const qint64 position = player->position();
    if (position != lastPosition) {
        lastPosition = position;
        stillChecks = 0;
    } else if (++stillChecks >= kMaxStillChecks) {
        finish(false);
        emit failed(QStringLiteral("it stopped making progress."));
    }
}

void ClipPlayer::stop() {
    if (playing())
        finish(false);
}

void ClipPlayer::statusChanged(QMediaPlayer::MediaStatus status) {
    if (!playing())
        return;
    if (status == QMediaPlayer::EndOfMedia) {
        finish(true);
    } else if (status == QMediaPlayer::InvalidMedia) {
        const QString text = player->errorString();
        finish(false);
        emit failed(text);
    }
}

void ClipPlayer::finish(bool atEnd, bool byViewer) {
    clip.clear();
    progressCheck.stop();
    player->stop();
    // The next clip starts from a clean source, not the last one's frame.
    player->setSource(QUrl());
    hide();
    emit stopped(atEnd, byViewer);
}

void ClipPlayer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && playing())
        finish(false, true);
    QWidget::mouseReleaseEvent(event);
}

void ClipPlayer::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space) && playing()) {
        finish(false, true);
        return;
    }
    QWidget::keyPressEvent(event);
}
