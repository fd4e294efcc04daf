#pragma once

#include "platform/Prompter.h"

#include <array>
#include <optional>

class SlideShowProject;

// The sorter's two swap slots: which slide (0-based slot index) each one
// shows. A click on a thumbnail fills slot 0 when it is free (unless slot 1
// already holds that picture), else slot 1 when it is free and the picture is
// not the one in slot 0; with both slots taken nothing changes until one is
// cleared.
class SwapSlots {
public:
    // A mouse-down on thumbnail k: the slot it fills, if any.
    std::optional<int> choose(int k);
    void clear(int slot) { filledSlots[slot] = false; }
    void clearBoth() { filledSlots = {false, false}; }

    bool filled(int slot) const { return filledSlots[slot]; }
    // The slide index of a slot; only meaningful while it is filled.
    int index(int slot) const { return indexes[slot]; }
    bool ready() const { return filledSlots[0] && filledSlots[1]; }

private:
    std::array<bool, 2> filledSlots{false, false};
    std::array<int, 2> indexes{0, 0};
};

// Shown when the swap button is pressed with an empty slot.
MessageBoxRequest SelectTwoPicturesMessage();

// Exchanges the picture, caption and background picture of slots a and b;
// the colours stay with the positions.
void SwapSlides(SlideShowProject& project, int a, int b);
