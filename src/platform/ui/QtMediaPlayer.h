#pragma once

#include "platform/MediaPlayer.h"

#include <QMediaPlayer>
#include <QObject>
#include <memory>

class QAudioOutput;

// The song preview on Qt Multimedia. The play count is kept here rather than
// with QMediaPlayer::setLoops, which MIDI files ignore: each end of the file
// starts it again until the count is used up. One failure is reported per
// command, however many errors the backend raises for it.
class QtMediaPlayer : public QObject, public MediaPlayer {
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    void setSource(const QString& path) override;
    void play(int times) override;
    void stop() override;
    void pause() override;
    void resume() override;

    // Complete plays since the last play().
    int completedPlays() const { return completed; }

signals:
    // Every requested play has reached the end of the file.
    void finishedPlaying();

private:
    QMediaPlayer& backend();
    void dropBackend();
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void fail(const QString& reason);

    // Made on first use: starting the media backend is slow and most runs of
    // the tool never play a song.
    std::unique_ptr<QMediaPlayer> player;
    std::unique_ptr<QAudioOutput> output;
    int remaining = 0;
    bool paused = false;
    int completed = 0;
    // The backend raised an error; it is replaced before the next file.
    bool backendFailed = false;
    // A failure has been reported for the current command.
    bool failedSinceCommand = false;
    bool reportPending = false;
};
