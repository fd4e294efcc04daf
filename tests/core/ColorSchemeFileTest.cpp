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

TEST(ColorSchemeFile, MissingFileGivesTheWindowFaceColourAndABadLineOnlyItsBox) {
    QTemporaryDir dir;
    EXPECT_FALSE(ReadColorScheme(dir.filePath("nothing.col"), 14).complete);
    UserColors windowFace;
    windowFace.fill(kWindowFaceColor);
    EXPECT_EQ(LoadUserColors(dir.path()), windowFace);

    // Every good line is read: a bad one leaves its own box empty.
    WriteFile(dir.filePath("odd.col"), "\"123456\"\r\n654321\r\n\"NOTHEX\"\r\n\"123456\"\r\n");
    const ColorSchemeRead read = ReadColorScheme(dir.filePath("odd.col"), 4);
    EXPECT_FALSE(read.complete);
    const QList<std::optional<ColorValue>> expected{RgbColor(0x12, 0x34, 0x56),
                                                    RgbColor(0x65, 0x43, 0x21), std::nullopt,
                                                    RgbColor(0x12, 0x34, 0x56)};
    EXPECT_EQ(read.colors, expected);

    // A byte order mark and "#RRGGBB" are read.
    WriteFile(dir.filePath(kUserColorsFile), "\xEF\xBB\xBF\"#102030\"\r\n#405060\r\n");
    const UserColors user = LoadUserColors(dir.path());
    EXPECT_EQ(user[0], RgbColor(0x10, 0x20, 0x30));
    EXPECT_EQ(user[1], RgbColor(0x40, 0x50, 0x60));
}

// Saving the user colours never writes over a line that could not be read,
// unless its box was given a colour.
TEST(ColorSchemeFile, SavingKeepsLinesThatAreNoColour) {
    QTemporaryDir dir;
    WriteFile(dir.filePath(kUserColorsFile), "\"111111\"\r\n\"oops\"\r\n\"333333\"\r\n\"bad\"\r\n");
    UserColors colors = LoadUserColors(dir.path());
    EXPECT_EQ(colors[1], kWindowFaceColor);
    colors[0] = RgbColor(0xAA, 0xBB, 0xCC);
    colors[3] = RgbColor(0x44, 0x44, 0x44);
    ASSERT_TRUE(SaveUserColors(dir.path(), colors));
    const QByteArray saved = ReadFile(dir.filePath(kUserColorsFile));
    EXPECT_TRUE(saved.startsWith("\"AABBCC\"\r\n\"oops\"\r\n\"333333\"\r\n\"444444\"\r\n"))
        << saved.toStdString();
    EXPECT_EQ(saved.count("\r\n"), kUserColorCount);
}

// The colour names are read as the scheme files are: UTF-8, else
// Windows-1252; a very long line is one record and the list goes on after it.
TEST(NamedColorsFile, OneCharacterRuleAndLongLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kNamedColorsFile);
    const QByteArray longName(5000, 'x');
    WriteFile(path, "caf\xC3\xA9,0x112233\r\n" + longName + ",0x000000\r\nlast,0x445566\r\n");
    NamedColors named = ReadNamedColors(path);
    EXPECT_EQ(named.names, (QStringList{QString::fromUtf8("caf\xC3\xA9"), longName, "last"}));
    WriteFile(path, "caf\xE9 \x80,0x112233\r\n");
    named = ReadNamedColors(path);
    EXPECT_EQ(named.names, QStringList{QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC")});
    WriteFile(dir.filePath("latin.col"), "\"#ABCDEF\" caf\xE9\r\n");
    EXPECT_TRUE(ReadColorScheme(dir.filePath("latin.col"), 1).complete);
}

// A FIFO as a colour file is not a file to read: nothing waits for a writer.
TEST(ColorSchemeFile, AFifoIsUnreadableAndNothingWaits) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(kUserColorsFile);
    ASSERT_TRUE(MakeFifo(fifo));
    FifoWatchdog watchdog(fifo);
    EXPECT_FALSE(ReadColorScheme(fifo, kUserColorCount).complete);
    EXPECT_EQ(LoadUserColors(dir.path())[0], kWindowFaceColor);
    EXPECT_TRUE(ReadNamedColors(fifo).names.isEmpty());
    EXPECT_FALSE(SaveUserColors(dir.path(), DefaultUserColors()));
    EXPECT_FALSE(watchdog.fired());
    EXPECT_FALSE(QFileInfo(fifo).isFile());
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
