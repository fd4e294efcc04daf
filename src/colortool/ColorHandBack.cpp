#include "colortool/ColorHandBack.h"

#include "colortool/ColorToolHost.h"
#include "document/ShowDocument.h"
#include "project/BackgroundFill.h"
#include "project/ColorText.h"
#include "project/SlideShowProject.h"

namespace {
// The slide the main window's colour commands store into.
Slide& CurrentSlot(SlideShowProject& show) {
    return show.slot(show.CurrentSlide() <= 0 ? 0 : show.CurrentSlide() - 1);
}
} // namespace

std::optional<ColorValue> PresetColor(const SlideShowProject& project, ColorValue firstUserColor) {
    const EditorFlags& f = project.flags;
    const ShowSettings& s = project.settings;
    if (f.PickingCapForeColor)
        return s.CaptionForeColor;
    if (f.PickingCapBackColor)
        return s.CaptionBackColor;
    if (f.PickingCapFrameColor)
        return s.CaptionFrameColor;
    if (!s.UseColTrueUsePicFalse)
        return firstUserColor;
    if (f.ColorToolStandalone)
        return std::nullopt;
    return s.NewSlideBackColor;
}

void HandBackColor(ShowDocument& document, ColorToolHost& host, ColorValue color) {
    EditorFlags& f = document.flags();
    const ShowSettings& s = document.show().settings;
    if (f.PickingCapForeColor) {
        document.Change(EditKind::CaptionColors, [color](SlideShowProject& show) {
            show.settings.CaptionForeColor = color;
            CurrentSlot(show).CapForeColor = StoredColorText(color);
        });
        host.setCaptionBoxForeColor(color);
    } else if (f.PickingCapBackColor) {
        document.Change(EditKind::CaptionColors, [color](SlideShowProject& show) {
            show.settings.CaptionBackColor = color;
            CurrentSlot(show).CapBackColor = StoredColorText(color);
        });
        host.setCaptionBoxBackColor(color);
    } else if (f.PickingCapFrameColor) {
        f.PickingCapFrameColor = false;
        document.Change(EditKind::ShowColors, [color](SlideShowProject& show) {
            show.settings.CaptionFrameColor = color;
        });
    } else if (f.ColorToolStandalone) {
        document.preferences().ActiveColor = color;
        f.ColorToolStandalone = false;
    } else if (s.UseColTrueUsePicFalse) {
        // The main window's ChangelblNewBkGnd: the current slide takes the
        // colour, and every slide when they all share one.
        document.Change(EditKind::SlideBackground, [color](SlideShowProject& show) {
            show.settings.NewSlideBackColor = color;
            show.settings.UseColTrueUsePicFalse = true;
            if (show.CurrentSlide() == 0)
                show.setCurrentSlide(1);
            CurrentSlot(show).PicBackColor = StoredColorText(color);
            FillBackgrounds(show, 0);
        });
        f.ColorToolClosed = true;
    }
    host.refreshSwatches();
}

void DropColorToolTargets(EditorFlags& flags) {
    flags.PickingCapFrameColor = false;
    flags.ColorToolStandalone = false;
}
