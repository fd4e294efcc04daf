#pragma once

// The rules of the preview's stepping buttons and of auto run, apart from the
// window: where a step lands and which slides the auto-run timer shows.

enum class StepButton { Forward, FastForward, Rewind, Back };

struct PreviewStep {
    enum Kind {
        Show,        // `slide` becomes the current slide and is shown
        Settle,      // `slide` becomes the current slide; nothing is shown
        AtEnd,       // "You are at the End of the Slide Show!"
        AtBeginning, // "You are at the Beginning!"
    };
    Kind kind;
    int slide = 0;
    friend bool operator==(const PreviewStep&, const PreviewStep&) = default;
};

// A step from slide `current` of `count` (count > 0). Fast forward and rewind
// move `skip` slides and stop at the first and last slide.
PreviewStep StepFrom(StepButton button, int current, int count, int skip);

// Auto run: on or off. While it runs, CurrentSlide names the slide the next
// tick shows.
class AutoRunState {
public:
    bool running() const { return on; }
    void start() { on = true; }
    void stop() { on = false; }

    struct Tick {
        int shown; // the slide this tick shows
        int next;  // CurrentSlide afterwards
    };
    // One tick with `count` slides (count > 0): slides deleted while running
    // make it start over at slide 1; after the last slide comes the first.
    static Tick TickFrom(int current, int count);

private:
    bool on = false;
};
