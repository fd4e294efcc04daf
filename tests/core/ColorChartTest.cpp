#include "ColorToolFixture.h"
#include "colortool/ChannelEntry.h"
#include "colortool/ColorHandBack.h"
#include "colortool/ColorSchemeFile.h"
#include "colortool/ListSearch.h"
#include "project/ColorText.h"

TEST_F(ColorToolTest, DecimalAndHexEntryCorrectTheBoxes) {
    chart.Load();
    chart.channelText = {"300", "-5", "x", "", "", ""};
    chart.applyDecimalValues();
    EXPECT_EQ(chart.active, RgbColor(255, 0, 0));
    EXPECT_EQ(clipboard, "255,0,0");
    EXPECT_EQ(chart.channelText[0], "255");
    chart.channelText = {"", "", "", "F", "", "0"};
    chart.applyHexValues();
    EXPECT_EQ(chart.active, RgbColor(0x0F, 0, 0));
    EXPECT_EQ(chart.channelText[4], "00");
    // Not hexadecimal counts as 00; decimals are rounded halves to even.
    EXPECT_EQ(CorrectedHexText("G1"), "00");
    EXPECT_EQ(DecimalChannel("12.5"), 12);
}

// The sample's caption turns white on dark colours.
TEST_F(ColorToolTest, SampleCaptionColourSwitchesAtItsThresholds) {
    const ColorValue white = RgbColor(255, 255, 255);
    EXPECT_EQ(SampleTextColor(255, 241, 100), 0u);
    EXPECT_EQ(SampleTextColor(248, 247, 100), white);
    EXPECT_EQ(SampleTextColor(0, 0, 200), 0u);
    EXPECT_EQ(SampleTextColor(0, 0, 199), white);
}

// Saving on Selected OK alone is in the window test; here the boxes a
// shift-right click may change and what a short file gives the rest.
TEST_F(ColorToolTest, ShiftRightClickStoresOnlyInUserBoxesAndSavesOnlyOnSelectedOk) {
    write("UserDefColors.col", "\"112233\"\r\n");
    host.palette = LoadUserColors(dir.path());
    chart.Load();
    chart.channelText = {"1", "2", "3", "", "", ""};
    chart.applyDecimalValues();
    const auto before = chart.boxes;
    chart.pressBox(5, ColorChart::Press::ShiftRight);
    chart.pressBox(22, ColorChart::Press::Other);
    EXPECT_EQ(chart.boxes, before);
    EXPECT_FALSE(chart.UserColorsChanged);

    chart.pressBox(23, ColorChart::Press::ShiftRight);
    EXPECT_EQ(host.palette[2], RgbColor(1, 2, 3));
    EXPECT_EQ(chart.boxes[21], RgbColor(0x11, 0x22, 0x33));
    EXPECT_EQ(chart.boxes[34], kWindowFaceColor);

    chart.SelectedOK = true;
    chart.finish();
    const QByteArray saved = read("UserDefColors.col");
    EXPECT_EQ(saved.count("\r\n"), 14);
    EXPECT_TRUE(saved.startsWith("\"112233\"\r\n\"F0F0F0\"\r\n\"010203\"\r\n"));
}

TEST_F(ColorToolTest, OpensOnTheTargetColourButKeepsChartBoxZeroInTheChannels) {
    write("StartUpColors", "\"FF8000\"\r\n");
    project.settings.CaptionForeColor = RgbColor(0, 0x80, 0xFF);
    project.flags.PickingCapForeColor = true;
    chart.Load();
    EXPECT_EQ(chart.hexView, "0080FF\nHex Value");
    EXPECT_EQ(chart.channelText[3], "FF");

    // Opened by itself the chart's first colour stays; in picture mode user
    // box 21 is taken first.
    project.flags = {};
    project.flags.ColorToolStandalone = true;
    EXPECT_EQ(PresetColor(project, 7), std::nullopt);
    project.settings.UseColTrueUsePicFalse = false;
    EXPECT_EQ(PresetColor(project, 7), 7u);
}

TEST_F(ColorToolTest, SelectedOkHandsTheColourToTheFirstPendingTarget) {
    // The caption text colour's way back is in the window test.
    EditorFlags& f = project.flags;
    f.PickingCapFrameColor = true;
    HandBackColor(document, host, 43);
    EXPECT_EQ(project.settings.CaptionFrameColor, 43u);
    EXPECT_FALSE(f.PickingCapFrameColor);
    EXPECT_EQ(document.undoStack().undoText(), "Colours");

    // A background colour is the current slide's, as the main window's own
    // command stores it, in a step of its own.
    project.settings.UseColTrueUsePicFalse = true;
    HandBackColor(document, host, 44);
    EXPECT_EQ(project.settings.NewSlideBackColor, 44u);
    EXPECT_EQ(project.slot(0).PicBackColor, StoredColorText(44));
    EXPECT_TRUE(f.ColorToolClosed);
    EXPECT_EQ(document.undoStack().undoText(), "Background");
    EXPECT_EQ(document.undoStack().count(), 2);

    // A close without Selected OK hands nothing back and leaves no stale
    // frame or stand-alone target for the next opening.
    f.PickingCapFrameColor = f.ColorToolStandalone = true;
    chart.active = 99;
    chart.finish();
    EXPECT_EQ(project.settings.CaptionFrameColor, 43u);
    EXPECT_FALSE(f.PickingCapFrameColor || f.ColorToolStandalone);
}

// Completion as typed is in the window test; here the search's edges and
// the message when nothing matches.
TEST_F(ColorToolTest, NamedColoursAreFoundFromTheSecondEntryOn) {
    QByteArray names = "aqua,0x00FFFF\r\naquamarine,0x7FFFD4\r\nazure,0xF0FFFF\r\n";
    write("ListBoxColorNames.txt", names + "blue,\r\nnever,0x000000\r\n");
    chart.Load();
    ASSERT_EQ(chart.named.names, (QStringList{"aqua", "aquamarine", "azure", "blue"}));
    EXPECT_EQ(FindListPrefix(chart.named.names, "AQ"), 1);
    EXPECT_EQ(FindListPrefix(chart.named.names, "aqua,"), -1);
    EXPECT_EQ(FindListPrefix({"aqua", "azure"}, "aq"), 0);

    EXPECT_EQ(chart.FindNamedColor("Azu"), 2);
    EXPECT_EQ(chart.FindNamedColor("red"), -1);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Sorry, but there is no match for 'red'.");
    EXPECT_EQ(chart.active, RgbColor(0xF0, 0xFF, 0xFF));
}

TEST_F(ColorToolTest, NamedColourFileStopsAt501Names) {
    QByteArray many;
    for (int i = 0; i < 600; ++i)
        many += "n" + QByteArray::number(i) + ",0x000000\r\n";
    write("ListBoxColorNames.txt", many);
    chart.LoadColors();
    EXPECT_EQ(chart.named.names.size(), 501);
    EXPECT_EQ(chart.named.names.back(), "n500");
}
