#pragma once

#include "project/ColorValue.h"

#include <QString>

// What the colour tool reaches of the main window beyond the show, which it
// changes through the show's document: the palette boxes it mirrors, the
// caption box and the swatches.
class ColorToolHost {
public:
    virtual ~ColorToolHost() = default;
    // PicMFormColors(index).
    virtual void setPaletteColor(int index, ColorValue color) = 0;
    virtual ColorValue paletteColor(int index) const = 0;
    // txtCaption's text colour and box colour.
    virtual void setCaptionBoxForeColor(ColorValue color) = 0;
    virtual void setCaptionBoxBackColor(ColorValue color) = 0;
    // txtCaption's font.
    virtual void setCaptionBoxFont(const QString& family, int pointSize) = 0;
    // Repaints the swatches after the active colour changed.
    virtual void refreshSwatches() = 0;
};
