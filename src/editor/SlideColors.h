#pragma once

#include "editor/SlideColorsView.h"
#include "project/ColorValue.h"

#include <array>
#include <functional>

class Prompter;
class SlideShowProject;

// The main window's colour workbench: the palette and active colour, the
// caption and button colour swatches, the background colour or picture of
// the slides, and what the window applies when it becomes active again after
// another window left a result pending.
class SlideColors {
public:
    static constexpr int kPaletteSize = 14;
    using Palette = std::array<ColorValue, kPaletteSize>;

    SlideColors(SlideShowProject& project, SlideColorsView& view, Prompter& ui);

    // Seams for the windows that are not part of the editor. Unset, the
    // colour tool is stood in for by the system colour dialog and the
    // caption style preview by the system font dialog.
    std::function<void()> showColorTool;
    std::function<void()> showCaptionStyle;
    // True while the colour tool is open: a caption colour it is still being
    // picked for is not pending yet.
    std::function<bool()> colorToolOpen;

    // PicMFormColors 0..13.
    const Palette& PicMFormColors() const { return palette; }
    Palette& PicMFormColors() { return palette; }
    void setPalette(const Palette& colors);
    void setPaletteColor(int index, ColorValue color);

    void takePaletteColor(int index);
    void paintButtonColor(int index);
    void paintCaptionForeColor();
    void paintCaptionBackColor();
    void paintCaptionFrameColor();
    void paintFrameFromCaptionLabel() { paintCaptionFrameColor(); }

    void chooseCaptionForeColor();
    void chooseCaptionBackColor();
    void chooseCaptionFrameColor();
    void openColorToolAlone();
    void ShowColorDialog();

    void useBackgroundOption(int index);
    void applyBackgroundToSlide(int index);
    void chooseBackground(int index);
    void applyBackColorToSlide() { ChangelblNewBkGnd(); }
    void ChangelblNewBkGnd();

    void chooseColorToolKind(int index);
    void openCaptionStyle();

    void windowActivated();

    // What the seams do while unset: the system colour dialog for the
    // pending target (the active colour when the tool was opened by
    // itself), and the system font dialog for the caption font and size.
    void ColorToolStandIn();
    void CaptionStyleStandIn();

private:
    int currentSlot() const;
    // Opens the chooser the user selected with optFullOrCondTintara.
    void openChooser();
    void openColorTool();
    // Selects a background option; its click runs when the selection changes.
    void selectBackgroundOption(int index);

    SlideShowProject& project;
    SlideColorsView& view;
    Prompter& ui;
    Palette palette{};
};
