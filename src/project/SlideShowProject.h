#pragma once

#include "project/EditorFlags.h"
#include "project/ShowSettings.h"
#include "project/Slide.h"

#include <QtGlobal>
#include <vector>

class Prompter;

// The one slide show of the running tool. Slide k (1-based) lives in slot
// k-1; slots 0 to SlideCapacity all exist and hold initialised values, and the
// table grows in blocks of 25, one block ahead of the count, up to 1000 slides.
class SlideShowProject {
public:
    static constexpr qint16 kMaxSlides = 1000;
    static constexpr qint16 kBlockSize = 25;

    ShowSettings settings;
    EditorFlags flags;
    CompileNames names;

    // An empty project: no slides, one empty slot, CurrentSlide 1. The first
    // GrowSlots creates slots 0 to 25.
    SlideShowProject() : table(1) {}

    qint16 SlideCount() const { return count; }
    qint16 SlideCapacity() const { return capacity; }
    qint16 CurrentSlide() const { return current; }
    void setCurrentSlide(qint16 n) { current = n; }
    // Sets the count directly, for editing steps that fill the slots
    // themselves (adding without a growth step afterwards, deleting). Kept
    // within 0..SlideCapacity so slot SlideCount always exists.
    void setSlideCount(qint16 n) { count = qBound<qint16>(0, n, capacity); }

    Slide& slot(int index) { return table.at(static_cast<std::size_t>(index)); }
    const Slide& slot(int index) const { return table.at(static_cast<std::size_t>(index)); }
    // Slide number k, 1-based.
    Slide& slide(int k) { return slot(k - 1); }
    const Slide& slide(int k) const { return slot(k - 1); }

    // The growth step: at the ceiling it shows the "File is full!" box;
    // when the count has caught up with a block boundary it adds a block of
    // 25 fresh slots.
    void GrowSlots(Prompter& ui);
    // Fresh values, captured now, for slot `first` up to SlideCapacity.
    void InitSlots(int first);
    // Puts the picture into the next free slot and makes it the current slide.
    void AppendPicture(const QString& path, Prompter& ui);
    // The caption box's text and colours go into the current slide's slot.
    void StoreCaption(const QString& caption, ColorValue backColor, ColorValue foreColor);
    // Drops every slide and starts a fresh first block.
    void Clear(Prompter& ui);

private:
    std::vector<Slide> table;
    qint16 count = 0;
    qint16 capacity = 0;
    qint16 current = 1;
};

// The text of the "File is full!" box, shared by the growth step and the add
// command's own check.
void ShowFileFullMessage(Prompter& ui);
