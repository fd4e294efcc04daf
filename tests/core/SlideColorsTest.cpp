#include "editor/SlideColors.h"
#include "ScriptedPrompter.h"
#include "project/SlideShowProject.h"

#include <gtest/gtest.h>
#include <optional>

namespace {
// Stands for the main window's controls: remembers what they show.
struct FakeView : SlideColorsView {
    std::optional<ColorValue> captionFore;
    bool slideBackVisible = true;
    int option = 0;
    int fills = 0;
    int backgroundPicks = 0;
    int fontApplied = 0;
    std::function<void()> onBackgroundPick;

    void refreshSwatches() override {}
    void setCaptionBoxForeColor(ColorValue c) override { captionFore = c; }
    void setCaptionBoxBackColor(ColorValue) override {}
    void setSlideBackColor(ColorValue) override {}
    void setSlideBackColorVisible(bool v) override { slideBackVisible = v; }
    void showBackgroundPicture(const QString&) override {}
    int backgroundOption() const override { return option; }
    void selectBackgroundOption(int index) override { option = index; }
    void fillBackgrounds() override { ++fills; }
    void addBackgroundPicture() override {
        ++backgroundPicks;
        if (onBackgroundPick)
            onBackgroundPick();
    }
    void applyCaptionFont() override { ++fontApplied; }
};

constexpr ColorValue kTeal = RgbColor(0x16, 0xA0, 0x85);

struct Colors : ::testing::Test {
    ScriptedPrompter ui;
    SlideShowProject project;
    FakeView view;
    SlideColors colors{project, view, ui};
    ShowSettings& s = project.settings;
    ToolPreferences& tool = project.tool;

    Colors() {
        project.GrowSlots();
        for (int i = 0; i < 3; ++i)
            project.AppendPicture(QStringLiteral("/p/%1.jpg").arg(i));
        project.setCurrentSlide(2);
        SlideColors::Palette palette{};
        palette[3] = kTeal;
        colors.setPalette(palette);
        tool.UseColorTool = false;
    }
    std::vector<Slide> allSlots() const {
        std::vector<Slide> out;
        for (int i = 0; i <= project.SlideCapacity(); ++i)
            out.push_back(project.slot(i));
        return out;
    }
};
} // namespace

TEST_F(Colors, PaletteThenCaptionTextSwatchColoursTheCurrentSlide) {
    colors.takePaletteColor(3);
    colors.takePaletteColor(14); // no such box
    EXPECT_EQ(tool.ActiveColor, kTeal);
    colors.paintCaptionBackColor(); // the text colour's swatch: the window test
    EXPECT_EQ(project.slide(2).CapBackColor, "&H85A016");
    EXPECT_EQ(project.slide(1).CapBackColor, "&HFFFF80");

    // The frame and button swatches change no slide.
    const auto before = allSlots();
    colors.paintFrameFromCaptionLabel();
    EXPECT_EQ(s.CaptionFrameColor, kTeal);
    colors.paintButtonColor(2);
    EXPECT_EQ(s.ButtonColors[2], kTeal);
    colors.paintButtonColor(5);
    EXPECT_EQ(allSlots(), before);
}

TEST_F(Colors, SwatchWrittenByAChooserIsAppliedNotRepainted) {
    tool.ActiveColor = kTeal;
    project.flags.PickingCapForeColor = true;
    s.CaptionForeColor = RgbColor(255, 0, 5);
    colors.paintCaptionForeColor();
    EXPECT_FALSE(project.flags.PickingCapForeColor);
    EXPECT_EQ(project.slide(2).CapForeColor, "&H0500FF");
}

TEST_F(Colors, SystemDialogTargetsThePendingSwatchAndCancelChangesNothing) {
    ui.queueColor(kTeal);
    colors.chooseCaptionForeColor();
    ASSERT_EQ(ui.questions().size(), 1u);
    EXPECT_EQ(ui.questions()[0].initialColor, 0u); // the current text colour
    EXPECT_FALSE(project.flags.PickingCapForeColor);
    EXPECT_EQ(view.captionFore, kTeal);
    // The slide takes it when the caption box is left, not here.
    EXPECT_EQ(project.slide(2).CapForeColor, "&H000000");

    ui.queueColor(std::nullopt);
    colors.chooseCaptionFrameColor();
    EXPECT_FALSE(project.flags.PickingCapFrameColor);
    EXPECT_EQ(s.CaptionFrameColor, 0xFF99CCu);
}

TEST_F(Colors, ColourToolSeamLeavesTheTargetForActivation) {
    tool.UseColorTool = true;
    colors.showColorTool = [&] { s.CaptionBackColor = kTeal; }; // the tool's OK
    colors.chooseCaptionBackColor();
    EXPECT_TRUE(project.flags.PickingCapBackColor);
    EXPECT_TRUE(ui.questions().empty());
    colors.windowActivated();
    EXPECT_FALSE(project.flags.PickingCapBackColor);
    EXPECT_EQ(project.slide(2).CapBackColor, "&H85A016");

    // Without the colour tool the system dialog stands in.
    colors.showColorTool = nullptr;
    ui.queueColor(RgbColor(1, 2, 3));
    colors.chooseCaptionForeColor();
    EXPECT_EQ(s.CaptionForeColor, RgbColor(1, 2, 3));
    EXPECT_FALSE(project.flags.PickingCapForeColor);
}

TEST_F(Colors, PicColorInPictureModeFirstOnlySwitchesToColourMode) {
    view.option = 1;
    s.UseColTrueUsePicFalse = false;
    tool.ActiveColor = kTeal;
    colors.chooseBackground(0);
    EXPECT_TRUE(ui.questions().empty());
    EXPECT_TRUE(s.UseColTrueUsePicFalse);
    EXPECT_EQ(view.option, 0);
    EXPECT_EQ(view.fills, 0);

    // The second press asks for a colour (the window test covers it); the
    // swatch itself gives the active colour to the current slide alone.
    colors.applyBackgroundToSlide(0);
    EXPECT_EQ(project.slide(2).PicBackColor, "&H85A016");
    EXPECT_EQ(project.slide(3).PicBackColor, "&HC100FF");
}

TEST_F(Colors, WallpaperButtonPicksABackgroundPictureInPictureMode) {
    view.onBackgroundPick = [&] { EXPECT_TRUE(project.flags.PickingBkPicture); };
    colors.chooseBackground(1);
    EXPECT_EQ(view.backgroundPicks, 1);
    EXPECT_FALSE(view.slideBackVisible);
    EXPECT_FALSE(s.UseColTrueUsePicFalse);

    s.NewBkPicture = "/prog/clouds.jpg";
    colors.applyBackgroundToSlide(1);
    EXPECT_EQ(project.slide(2).BkPicture, "/prog/clouds.jpg");
}

TEST_F(Colors, ActivationAppliesWhatTheOptionsLeft) {
    project.flags.OptionsChanged = true;
    s.NewSlideBackColor = kTeal;
    colors.windowActivated();
    colors.windowActivated(); // nothing pending: nothing filled
    EXPECT_FALSE(project.flags.OptionsChanged);
    EXPECT_EQ(project.slide(2).PicBackColor, "&H85A016");
    EXPECT_EQ(view.fills, 1);

    // Picture mode hides the colour and leaves the slides alone.
    project.flags.OptionsChanged = true;
    s.UseColTrueUsePicFalse = false;
    s.NewSlideBackColor = RgbColor(1, 2, 3);
    colors.windowActivated();
    EXPECT_FALSE(view.slideBackVisible);
    EXPECT_EQ(project.slide(2).PicBackColor, "&H85A016");
    EXPECT_EQ(view.fills, 1);
    // A background colour the colour tool handed back fills on activation.
    project.flags.ColorToolClosed = true;
    colors.windowActivated();
    EXPECT_FALSE(project.flags.ColorToolClosed);
    EXPECT_EQ(view.fills, 2);
}

TEST_F(Colors, FontCommandUsesThePreviewSeamOrTheFontDialog) {
    s.FontSizeInUse = "16";
    ui.queueFont(FontChoice{"DejaVu Serif", 20, false, false});
    colors.openCaptionStyle();
    EXPECT_EQ(ui.questions().at(0).initialFont.pointSize, 16);
    EXPECT_EQ(s.FontSizeInUse, "20");

    int previews = 0;
    colors.showCaptionStyle = [&] { ++previews; };
    colors.openCaptionStyle();
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(ui.questions().size(), 1u);
}
