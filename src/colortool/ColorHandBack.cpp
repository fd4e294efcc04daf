#include "colortool/ColorHandBack.h"

#include "colortool/ColorToolHost.h"
#include "project/SlideShowProject.h"

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

void HandBackColor(SlideShowProject& project, ColorToolHost& host, ColorValue color) {
    EditorFlags& f = project.flags;
    ShowSettings& s = project.settings;
    if (f.PickingCapForeColor) {
        s.CaptionForeColor = color;
        host.setCaptionBoxForeColor(color);
    } else if (f.PickingCapBackColor) {
        s.CaptionBackColor = color;
        host.setCaptionBoxBackColor(color);
    } else if (f.PickingCapFrameColor) {
        f.PickingCapFrameColor = false;
        s.CaptionFrameColor = color;
    } else if (f.ColorToolStandalone) {
        project.tool.ActiveColor = color;
        f.ColorToolStandalone = false;
    } else if (s.UseColTrueUsePicFalse) {
        s.NewSlideBackColor = color;
        f.ColorToolClosed = true;
        host.ChangelblNewBkGnd();
    }
    host.refreshSwatches();
}

void DropColorToolTargets(SlideShowProject& project) {
    project.flags.PickingCapFrameColor = false;
    project.flags.ColorToolStandalone = false;
}
