#include "platform/ui/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QUrl>
#include <utility>

QtMediaPlayer::QtMediaPlayer(QObject* parent) : QObject(parent) {}

QtMediaPlayer::~QtMediaPlayer() {
    if (player)
        player->disconnect(this);
}

// A backend that failed waits a second on its next state change; a fresh one
// does not.
void QtMediaPlayer::dropBackend() {
    if (!player)
        return;
    player->disconnect(this);
    player.reset();
    output.reset();
    backendFailed = false;
}

QMediaPlayer& QtMediaPlayer::backend() {
    if (!player) {
        player = std::make_unique<QMediaPlayer>();
        output = std::make_unique<QAudioOutput>();
        player->setAudioOutput(output.get());
        connect(player.get(), &QMediaPlayer::mediaStatusChanged, this,
                &QtMediaPlayer::mediaStatusChanged);
        connect(player.get(), &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error error, const QString& text) {
                    if (error != QMediaPlayer::NoError)
                        fail(text);
                });
    }
    return *player;
}

void QtMediaPlayer::setSource(const QString& path) {
    if (backendFailed)
        dropBackend();
    failedSinceCommand = false;
    remaining = 0;
    backend().setSource(QUrl::fromLocalFile(path));
}

void QtMediaPlayer::play(int times) {
    paused = false;
    failedSinceCommand = false;
    completed = 0;
    remaining = times;
    if (times > 0)
        backend().play();
}

void QtMediaPlayer::pause() {
    if (player && !backendFailed && player->playbackState() == QMediaPlayer::PlayingState) {
        player->pause();
        paused = true;
    }
}

void QtMediaPlayer::resume() {
    if (std::exchange(paused, false) && player && !backendFailed && remaining > 0)
        player->play();
}

void QtMediaPlayer::stop() {
    remaining = 0;
    paused = false;
    // After a failure nothing plays, and the backend, which still calls
    // itself playing, would wait a second for a stop that cannot happen.
    if (player && !backendFailed)
        player->stop();
}

void QtMediaPlayer::mediaStatusChanged(QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::InvalidMedia) {
        fail(player->errorString());
        return;
    }
    if (status != QMediaPlayer::EndOfMedia || backendFailed || remaining <= 0)
        return;
    ++completed;
    if (--remaining > 0)
        player->play(); // from the end of the file, play() starts it again
    else
        emit finishedPlaying();
}

void QtMediaPlayer::fail(const QString& reason) {
    // The backend raises several errors and an InvalidMedia status for one
    // bad file; the editor hears of it once, after the command has returned.
    backendFailed = true;
    remaining = 0;
    if (failedSinceCommand || reportPending)
        return;
    failedSinceCommand = true;
    reportPending = true;
    QMetaObject::invokeMethod(
        this,
        [this, reason] {
            reportPending = false;
            reportFailure(reason);
        },
        Qt::QueuedConnection);
}
