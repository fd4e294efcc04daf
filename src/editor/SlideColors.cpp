#include "editor/SlideColors.h"

#include "platform/Prompter.h"
#include "project/ColorText.h"
#include "project/SlideShowProject.h"

SlideColors::SlideColors(SlideShowProject& project, SlideColorsView& view, Prompter& ui)
    : project(project), view(view), ui(ui) {}

void SlideColors::setPalette(const Palette& colors) {
    palette = colors;
    view.refreshSwatches();
}

void SlideColors::setPaletteColor(int index, ColorValue color) {
    if (index < 0 || index >= kPaletteSize)
        return;
    palette[static_cast<std::size_t>(index)] = color;
    view.refreshSwatches();
}

int SlideColors::currentSlot() const {
    const int current = project.CurrentSlide();
    return current <= 0 ? 0 : current - 1;
}

void SlideColors::takePaletteColor(int index) {
    if (index < 0 || index >= kPaletteSize)
        return;
    project.tool.ActiveColor = palette[static_cast<std::size_t>(index)];
    view.refreshSwatches();
}

void SlideColors::paintButtonColor(int index) {
    auto& buttons = project.settings.ButtonColors;
    if (index < 0 || index >= static_cast<int>(buttons.size()))
        return;
    buttons[static_cast<std::size_t>(index)] = project.tool.ActiveColor;
    view.refreshSwatches();
}

void SlideColors::paintCaptionForeColor() {
    ShowSettings& s = project.settings;
    // A chooser that has already written the swatch leaves its flag set.
    if (project.flags.PickingCapForeColor)
        project.flags.PickingCapForeColor = false;
    else
        s.CaptionForeColor = project.tool.ActiveColor;
    view.refreshSwatches();
    view.setCaptionBoxForeColor(s.CaptionForeColor);
    project.slot(currentSlot()).CapForeColor = StoredColorText(s.CaptionForeColor);
}

void SlideColors::paintCaptionBackColor() {
    ShowSettings& s = project.settings;
    if (project.flags.PickingCapBackColor)
        project.flags.PickingCapBackColor = false;
    else
        s.CaptionBackColor = project.tool.ActiveColor;
    view.refreshSwatches();
    view.setCaptionBoxBackColor(s.CaptionBackColor);
    project.slot(currentSlot()).CapBackColor = StoredColorText(s.CaptionBackColor);
}

void SlideColors::paintCaptionFrameColor() {
    project.settings.CaptionFrameColor = project.tool.ActiveColor;
    view.refreshSwatches();
}

void SlideColors::chooseCaptionForeColor() {
    project.flags.PickingCapForeColor = true;
    openChooser();
}

void SlideColors::chooseCaptionBackColor() {
    project.flags.PickingCapBackColor = true;
    openChooser();
}

void SlideColors::chooseCaptionFrameColor() {
    project.flags.PickingCapFrameColor = true;
    openChooser();
}

void SlideColors::openColorToolAlone() {
    project.flags.ColorToolStandalone = true;
    openColorTool();
}

void SlideColors::openChooser() {
    if (project.tool.UseColorTool)
        openColorTool();
    else
        ShowColorDialog();
}

void SlideColors::openColorTool() {
    if (showColorTool)
        showColorTool();
    else
        ColorToolStandIn();
}

void SlideColors::ColorToolStandIn() {
    if (!project.flags.ColorToolStandalone) {
        ShowColorDialog();
        return;
    }
    project.flags.ColorToolStandalone = false;
    if (const auto chosen = ui.chooseColor(project.tool.ActiveColor)) {
        project.tool.ActiveColor = *chosen;
        view.refreshSwatches();
    }
}

void SlideColors::ShowColorDialog() {
    ShowSettings& s = project.settings;
    EditorFlags& f = project.flags;
    // The target flag is cleared before the dialog opens, so a cancel
    // leaves no target behind.
    if (f.PickingCapForeColor) {
        f.PickingCapForeColor = false;
        if (const auto chosen = ui.chooseColor(s.CaptionForeColor)) {
            s.CaptionForeColor = *chosen;
            view.refreshSwatches();
            view.setCaptionBoxForeColor(*chosen);
        }
    } else if (f.PickingCapBackColor) {
        f.PickingCapBackColor = false;
        if (const auto chosen = ui.chooseColor(s.CaptionBackColor)) {
            s.CaptionBackColor = *chosen;
            view.refreshSwatches();
            view.setCaptionBoxBackColor(*chosen);
        }
    } else if (f.PickingCapFrameColor) {
        f.PickingCapFrameColor = false;
        if (const auto chosen = ui.chooseColor(s.CaptionFrameColor)) {
            s.CaptionFrameColor = *chosen;
            view.refreshSwatches();
        }
    } else if (s.UseColTrueUsePicFalse) {
        if (const auto chosen = ui.chooseColor(s.NewSlideBackColor)) {
            s.NewSlideBackColor = *chosen;
            view.refreshSwatches();
            view.setSlideBackColor(*chosen);
            ChangelblNewBkGnd();
        }
    }
}

void SlideColors::useBackgroundOption(int index) {
    ShowSettings& s = project.settings;
    if (index == 1) {
        view.setSlideBackColorVisible(false);
        s.UseColTrueUsePicFalse = false;
        return;
    }
    s.UseColTrueUsePicFalse = true;
    view.setSlideBackColorVisible(true);
    s.NewSlideBackColor = project.tool.ActiveColor;
    view.refreshSwatches();
    view.setSlideBackColor(s.NewSlideBackColor);
}

void SlideColors::selectBackgroundOption(int index) {
    if (view.backgroundOption() == index)
        return;
    view.selectBackgroundOption(index);
    useBackgroundOption(index);
}

void SlideColors::applyBackgroundToSlide(int index) {
    if (index != 0 && index != 1)
        return;
    selectBackgroundOption(index);
    useBackgroundOption(index);
    const ShowSettings& s = project.settings;
    if (index == 1) {
        project.slot(currentSlot()).BkPicture = s.NewBkPicture;
        view.showBackgroundPicture(s.NewBkPicture);
    } else {
        view.setSlideBackColor(s.NewSlideBackColor);
        ChangelblNewBkGnd();
    }
}

void SlideColors::chooseBackground(int index) {
    if (index == 1) {
        project.settings.UseColTrueUsePicFalse = false;
        project.flags.PickingBkPicture = true;
        view.addBackgroundPicture();
        view.selectBackgroundOption(1);
        useBackgroundOption(1);
    } else if (index == 0) {
        // The chooser is consulted before the mode changes: in picture mode
        // the system dialog has no target, and this press only switches to
        // colour mode.
        openChooser();
        project.flags.PickingBkPicture = false;
        project.settings.UseColTrueUsePicFalse = true;
        selectBackgroundOption(0);
    }
}

void SlideColors::ChangelblNewBkGnd() {
    ShowSettings& s = project.settings;
    s.UseColTrueUsePicFalse = true;
    view.setSlideBackColorVisible(true);
    view.setSlideBackColor(s.NewSlideBackColor);
    if (project.CurrentSlide() == 0)
        project.setCurrentSlide(1);
    project.slot(currentSlot()).PicBackColor = StoredColorText(s.NewSlideBackColor);
    view.fillBackgrounds();
}

void SlideColors::chooseColorToolKind(int index) {
    project.tool.UseColorTool = index == 0;
}

void SlideColors::openCaptionStyle() {
    if (showCaptionStyle)
        showCaptionStyle();
    else
        CaptionStyleStandIn();
}

void SlideColors::CaptionStyleStandIn() {
    ShowSettings& s = project.settings;
    FontChoice initial;
    initial.family = s.FontInUse;
    initial.pointSize = s.FontSizeInUse.toInt();
    const auto chosen = ui.chooseFont(initial);
    if (!chosen)
        return;
    s.FontInUse = chosen->family;
    if (chosen->pointSize > 0)
        s.FontSizeInUse = QString::number(chosen->pointSize);
    view.applyCaptionFont();
}

void SlideColors::windowActivated() {
    ShowSettings& s = project.settings;
    EditorFlags& f = project.flags;
    if (!s.UseColTrueUsePicFalse) {
        view.setSlideBackColorVisible(false);
    } else {
        view.setSlideBackColorVisible(true);
        if (f.OptionsChanged && s.SameBkColorEverySlide) {
            view.setSlideBackColor(s.NewSlideBackColor);
            ChangelblNewBkGnd();
        }
    }
    if (f.ColorToolClosed) {
        view.fillBackgrounds();
        f.ColorToolClosed = false;
    }
    // The colour tool does not block this window: activated while it is still
    // open, the chosen colour has not come back yet, and the target stays.
    const bool chooserOpen = colorToolOpen && colorToolOpen();
    if (f.PickingCapForeColor && !chooserOpen)
        paintCaptionForeColor();
    if (f.PickingCapBackColor && !chooserOpen)
        paintCaptionBackColor();
    f.OptionsChanged = false;
    view.refreshTooltips();
    view.applyCaptionFont();
}
