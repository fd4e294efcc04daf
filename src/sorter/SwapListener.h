#pragma once

// Told of every swap the picture sorter makes, right after the two slides
// changed places in the project (slot indexes, 0-based). The sorter knows
// nothing of who listens; the main window keeps each swap as an edit it can
// take back.
class SwapListener {
public:
    virtual ~SwapListener() = default;
    virtual void Swapped(int a, int b) = 0;
};
