#pragma once

#include "project/ColorValue.h"

#include <QString>

// What the colour tool reaches of the main window beyond the project's
// show-wide colours: the palette boxes it mirrors, the caption box, the
// slide background sample and the swatches that show the settings.
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
    // Repaints the swatches after a show-wide colour changed.
    virtual void refreshSwatches() = 0;
    // The main window's ChangelblNewBkGnd: shows the background colour swatch
    // on lblNewBkGnd, stores it in the current slide and fills the others.
    virtual void ChangelblNewBkGnd() = 0;
};
