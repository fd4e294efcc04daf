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

    void PicMFormColors_Click(int index);
    void picButBakColor_Click(int index);
    void picCapForeColor_Click();
    void picCapBackColor_Click();
    void picCapFrameColor_Click();
    void lblCaption_Click() { picCapFrameColor_Click(); }

    void cmdCapForeColor_Click();
    void cmdCapBackColor_Click();
    void cmdCapFrameColor_Click();
    void ShowCTform_Click();
    void ShowColorDialog();

    void optBakPicColorOrPic_Click(int index);
    void picBackColorOrPic_Click(int index);
    void cmdPicBakColorOrPic_Click(int index);
    void lblNewBkGnd_Click() { ChangelblNewBkGnd(); }
    void ChangelblNewBkGnd();

    void optFullOrCondTintara_Click(int index);
    void cmdFont_Click();

    void Form_Activate();

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
