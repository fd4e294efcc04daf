#include "sorter/SwapSlots.h"

#include "project/SlideShowProject.h"

#include <utility>

std::optional<int> SwapSlots::choose(int k) {
    int slot = 1;
    if (!filledSlots[0] && (!filledSlots[1] || indexes[1] != k))
        slot = 0;
    else if (filledSlots[1])
        return std::nullopt; // both taken: one must be cleared first
    else if (indexes[0] == k)
        return std::nullopt; // the same picture cannot take both slots
    filledSlots[slot] = true;
    indexes[slot] = k;
    return slot;
}

MessageBoxRequest SelectTwoPicturesMessage() {
    return {QStringLiteral("Please select 2 pictures to swap"),
            QStringLiteral("Need you to select 2 Pictures to swap"), MsgButtons::Ok,
            MsgIcon::Critical, std::nullopt};
}

void SwapSlides(SlideShowProject& project, int a, int b) {
    Slide& first = project.slot(a);
    Slide& second = project.slot(b);
    std::swap(first.PicturePath, second.PicturePath);
    std::swap(first.Caption, second.Caption);
    std::swap(first.BkPicture, second.BkPicture);
    std::swap(first.OtherKeys, second.OtherKeys);
}
