#pragma once

#include <QMediaPlayer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>

class QAudioOutput;
class QVideoWidget;

// Plays one clip with its sound, in the place of the picture it covers. Qt
// Multimedia turns a phone clip upright itself (the frames carry the
// container's rotation). The player is made on the first play: starting the
// media backend is slow and most runs never play a clip.
class ClipPlayer : public QWidget {
    Q_OBJECT
public:
    explicit ClipPlayer(QWidget* parent = nullptr);
    ~ClipPlayer() override;

    // Shows the player and plays `path` from its start.
    void play(const QString& path);
    // Stops and hides the player; nothing when it is not playing.
    void stop();
    bool playing() const { return !clip.isEmpty(); }
    const QString& playingClip() const { return clip; }

    // The player and its picture, made on the first play (tests watch them).
    QMediaPlayer* mediaPlayer() const { return player.get(); }
    QVideoWidget* videoWidget() const { return video; }

signals:
    // The player stopped and hid: `atEnd` when the clip played to its end
    // (else stop() or a failure), `byViewer` when a click or a key on the
    // player stopped it.
    void stopped(bool atEnd, bool byViewer);
    // The backend could not play the clip (plain text).
    void failed(const QString& message);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void makePlayer();
    void statusChanged(QMediaPlayer::MediaStatus status);
    void finish(bool atEnd, bool byViewer = false);
    void checkProgress();

    QVideoWidget* video = nullptr;
    std::unique_ptr<QAudioOutput> output;
    std::unique_ptr<QMediaPlayer> player;
    QString clip; // the clip playing, empty when none
    // A backend that stops making progress (a video surface that never
    // started on a busy machine) would otherwise hold the preview, and auto
    // run, forever.
    QTimer progressCheck;
    qint64 lastPosition = -1;
    int stillChecks = 0;
};
