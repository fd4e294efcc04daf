#pragma once

#include <QtGlobal>

class SlideShowProject;

// Progress of a fill, shown by the main window's progress bar.
class FillProgress {
public:
    virtual ~FillProgress() = default;
    virtual void begin(int minimum, int maximum) = 0;
    virtual void step(int value) = 0;
    virtual void end() = 0;
};

// Copies the one shared background into slots start..SlideCapacity: the
// background picture when one picture serves every slide in picture mode, the
// background colour (NewSlideBackColor) when every slide has the same colour
// in colour mode. Otherwise nothing changes.
void FillBackgrounds(SlideShowProject& project, qint16 start, FillProgress* progress = nullptr);
