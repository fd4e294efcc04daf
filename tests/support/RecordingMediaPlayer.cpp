#include "RecordingMediaPlayer.h"

void RecordingMediaPlayer::setSource(const QString& path) {
    log << QStringLiteral("source ") + path;
}

void RecordingMediaPlayer::play(int times) {
    log << QStringLiteral("play %1").arg(times);
}

void RecordingMediaPlayer::stop() {
    log << QStringLiteral("stop");
}
