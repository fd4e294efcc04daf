#pragma once

#include <QString>
#include <functional>
#include <utility>

// Plays one sound file for the editor's song preview. The editor only tells
// the player what to do; the one thing that comes back is a failure, reported
// through the failure handler on the window's thread, never from inside the
// call that caused it.
class MediaPlayer {
public:
    using FailureHandler = std::function<void(const QString& reason)>;

    virtual ~MediaPlayer() = default;

    // Takes the file to play; nothing plays until play().
    virtual void setSource(const QString& path) = 0;
    // Plays the file `times` times over, one after another.
    virtual void play(int times) = 0;
    virtual void stop() = 0;
    // Holds a play where it is, and goes on from there; resume() does
    // nothing when nothing was paused since the last command.
    virtual void pause() = 0;
    virtual void resume() = 0;

    void setFailureHandler(FailureHandler handler) { onFailure = std::move(handler); }

protected:
    void reportFailure(const QString& reason) const {
        if (onFailure)
            onFailure(reason);
    }

private:
    FailureHandler onFailure;
};
