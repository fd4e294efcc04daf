// Colour text in the project and in colour files. Writing colour files, and
// reading the short and gappy files the tool meets, are in the scheme-command
// and colour-chart tests.
#include "colortool/ColorSchemeFile.h"
#include "TestFiles.h"
#include "colortool/ColorChart.h"
#include "colortool/NamedColors.h"
#include "project/ColorText.h"

#include <QTemporaryDir>

TEST(ColorSchemeField, DigitsAreRedGreenBlue) {
    EXPECT_EQ(ColorFromSchemeField("00FF80"), RgbColor(0, 255, 128));
    EXPECT_EQ(ColorFromSchemeField(""), kWindowFaceColor);
    EXPECT_EQ(ColorFromSchemeField("+12345"), std::nullopt);
    EXPECT_EQ(ColorFromSchemeField("0x1234"), std::nullopt);
}

TEST(ColorSchemeFile, MissingFileGivesTheWindowFaceColourAndABadRecordStopsReading) {
    QTemporaryDir dir;
    EXPECT_FALSE(ReadColorScheme(dir.filePath("nothing.col"), 14).complete);
    UserColors windowFace;
    windowFace.fill(kWindowFaceColor);
    EXPECT_EQ(LoadUserColors(dir.path()), windowFace);

    WriteFile(dir.filePath("odd.col"), "\"123456\"\r\n654321\r\n\"NOTHEX\"\r\n\"123456\"\r\n");
    const ColorSchemeRead read = ReadColorScheme(dir.filePath("odd.col"), 4);
    EXPECT_FALSE(read.complete);
    EXPECT_EQ(read.colors,
              (QList<ColorValue>{RgbColor(0x12, 0x34, 0x56), RgbColor(0x65, 0x43, 0x21)}));
}

// The files we ship are complete; the user colours are the program's own.
TEST(ShippedColorFiles, ChartUserColoursAndNamesAreComplete) {
    const QDir data(qEnvironmentVariable("PEVRANO_SOURCE_DIR") + "/assets/data");
    EXPECT_TRUE(ReadColorScheme(data.filePath("StartUpColors"), ColorChart::kChartBoxes).complete);
    const ColorSchemeRead user = ReadColorScheme(data.filePath(kUserColorsFile), kUserColorCount);
    ASSERT_TRUE(user.complete);
    const UserColors defaults = DefaultUserColors();
    EXPECT_TRUE(std::equal(defaults.begin(), defaults.end(), user.colors.begin()));
    const NamedColors named = ReadNamedColors(data.filePath(kNamedColorsFile));
    EXPECT_EQ(named.names.size(), 148);
    for (qsizetype i = 0; i < named.values.size(); ++i)
        EXPECT_TRUE(NamedColorValue(named.values.at(i))) << named.names.at(i).toStdString();
    EXPECT_EQ(NamedColorValue(named.values.at(named.names.indexOf("orange"))),
              RgbColor(255, 165, 0));
}

// The order flag is spent by one conversion; the high byte is ignored;
// stored text keeps its digits and case when turned into HTML.
TEST(ColorText, OneShotOrderFlagAndStoredColourText) {
    bool bgr = true;
    EXPECT_EQ(ColorToHex(RgbColor(255, 0, 5), bgr), "0500FF");
    EXPECT_FALSE(bgr);
    EXPECT_EQ(ColorToHex(0xFF0A0B0C, bgr), "0C0B0A");
    EXPECT_EQ(StoredColorText(RgbColor(255, 0, 5)), "&H0500FF");
    EXPECT_EQ(StoredColorToHtml("&Hc100ff"), "#ff00c1");
    EXPECT_EQ(StoredColorToHtml("&H12"), "#12");
    EXPECT_EQ(StoredColorValue("&HC100FF"), 0xC100FFu);
    EXPECT_EQ(StoredColorValue("junk"), 0u);
}
