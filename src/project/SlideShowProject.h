#pragma once

#include "project/EditorFlags.h"
#include "project/PublishTarget.h"
#include "project/ShowLimits.h"
#include "project/ShowSettings.h"
#include "project/Slide.h"
#include "project/ToolPreferences.h"

#include <QtGlobal>
#include <vector>

// What a growth step did to the slide table.
enum class GrowOutcome {
    Grown,     // a block of fresh slots was added
    Unchanged, // the count has not caught up with the table yet
    Full,      // the show holds the most slides it can; the editor says so
};

// The one slide show of the running tool. Slide k (1-based) lives in slot
// k-1; slots 0 to SlideCapacity all exist and hold initialised values, and the
// table grows in blocks of 25, one block ahead of the count, up to 1000 slides.
class SlideShowProject {
public:
    static constexpr qint16 kMaxSlides = ::kMaxSlides;
    static constexpr qint16 kBlockSize = 25;

    ShowSettings settings;
    // The window's, beside the show: no part of a show file or of its
    // history.
    ToolPreferences tool;
    EditorFlags flags;
    CompileNames names;
    PublishTarget publish;

    // An empty project: no slides, one empty slot, CurrentSlide 1. The first
    // GrowSlots creates slots 0 to 25.
    SlideShowProject() : table(1) {}

    qint16 SlideCount() const { return count; }
    qint16 SlideCapacity() const { return capacity; }
    qint16 CurrentSlide() const { return current; }
    void setCurrentSlide(qint16 n) { current = n; }
    // Sets the count directly, for editing steps that fill the slots
    // themselves (adding without a growth step afterwards). Kept
    // within 0..SlideCapacity so slot SlideCount always exists.
    void setSlideCount(qint16 n) { count = qBound<qint16>(0, n, capacity); }

    Slide& slot(int index) { return table.at(static_cast<std::size_t>(index)); }
    const Slide& slot(int index) const { return table.at(static_cast<std::size_t>(index)); }
    // Slide number k, 1-based.
    Slide& slide(int k) { return slot(k - 1); }
    const Slide& slide(int k) const { return slot(k - 1); }

    // The growth step: when the count has caught up with a block boundary it
    // adds a block of 25 fresh slots; at the ceiling it reports Full.
    GrowOutcome GrowSlots();
    // Fresh values, captured now, for slot `first` up to SlideCapacity.
    void InitSlots(int first);
    // Puts the picture into the next free slot, makes it the current slide
    // and runs the growth step, whose outcome it returns.
    GrowOutcome AppendPicture(const QString& path);
    // The caption box's text and colours go into the current slide's slot.
    void StoreCaption(const QString& caption, ColorValue backColor, ColorValue foreColor);
    // Drops every slide and starts a fresh first block.
    GrowOutcome Clear();
    // Deletes the current slide: the pictures, captions and background
    // pictures after it move up one place while the colours stay with the
    // positions, and the slide before it becomes current. With CurrentSlide
    // 0 only slot 0 is emptied.
    void DeleteCurrentSlide();
    // Gives the table exactly slots 0 to `newCapacity`: new slots start empty,
    // slots past it go, and the count is kept within the table. For putting a
    // table back to the size it had before a step.
    void ResizeTable(qint16 newCapacity);

private:
    std::vector<Slide> table;
    qint16 count = 0;
    qint16 capacity = 0;
    qint16 current = 1;
};
