#pragma once

#include "platform/MediaPlayer.h"

#include <QStringList>

// A MediaPlayer for tests: writes every call into a log ("stop",
// "source <path>", "play <times>", "pause", "resume") and fails when told to.
class RecordingMediaPlayer : public MediaPlayer {
public:
    void setSource(const QString& path) override { log << QStringLiteral("source ") + path; }
    void play(int times) override { log << QStringLiteral("play %1").arg(times); }
    void stop() override { log << QStringLiteral("stop"); }
    void pause() override { log << QStringLiteral("pause"); }
    void resume() override { log << QStringLiteral("resume"); }

    // Reports a failure as the real player would when the file is bad.
    void fail(const QString& reason) const { reportFailure(reason); }

    const QStringList& calls() const { return log; }
    void clear() { log.clear(); }

private:
    QStringList log;
};
