#pragma once

#include "project/ColorValue.h"

#include <QString>

// What the colour commands need of the main window's controls. The swatches
// show the colours held by ShowSettings; the caption box, the background
// colour swatch lblNewBkGnd and the background picture ImageBk show the
// current slide and are set here explicitly.
class SlideColorsView {
public:
    virtual ~SlideColorsView() = default;

    // Repaints every swatch from the settings and the palette: the palette
    // boxes, the active colour, the caption colours with the frame sample
    // lblCaption, the background colour swatch and the five button colours.
    virtual void refreshSwatches() = 0;
    // txtCaption's text colour and box colour.
    virtual void setCaptionBoxForeColor(ColorValue color) = 0;
    virtual void setCaptionBoxBackColor(ColorValue color) = 0;
    // lblNewBkGnd.
    virtual void setSlideBackColor(ColorValue color) = 0;
    virtual void setSlideBackColorVisible(bool visible) = 0;
    // ImageBk and the background picture swatch.
    virtual void showBackgroundPicture(const QString& path) = 0;
    // optBakPicColorOrPic: which option is selected, and selecting one
    // without running its click handler.
    virtual int backgroundOption() const = 0;
    virtual void selectBackgroundOption(int index) = 0;
    // FillBackgrounds(0) with the progress bar.
    virtual void fillBackgrounds() = 0;
    // The single-file picture dialog of the Add command, with the background
    // picture flag already set.
    virtual void addBackgroundPicture() = 0;
    // The caption box takes FontInUse.
    virtual void applyCaptionFont() = 0;
    virtual void refreshTooltips() {}
};
