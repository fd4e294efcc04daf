#include "PrintQt.h"
#include "captionstyle/CaptionFontLists.h"
#include "captionstyle/SamplePage.h"
#include "captionstyle/StyleSets.h"
#include "project/ShowValues.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An entry of the recommended list splits into its pair; a size typed
// outside the list's range is corrected; the search starts at the second
// entry and wraps around to the first.
TEST(CaptionFontLists, PairsCorrectedSizesAndSearch) {
    const CaptionFont pair = RecommendedPair("Lucida Sans Typewriter 22pt");
    EXPECT_EQ(pair.name, "Lucida Sans Typewriter");
    EXPECT_EQ(pair.size, "22");
    EXPECT_EQ(CorrectedFontSize("15"), "16");
    EXPECT_EQ(CorrectedFontSize("072"), "16");
    EXPECT_EQ(CorrectedFontSize("72"), "72");
    const QStringList fonts{"Arial", "Arial Black", "Courier", "arial narrow"};
    EXPECT_EQ(FindFontEntry(fonts, "ARIAL N"), 3);
    EXPECT_EQ(FindFontEntry({"Arial", "Courier"}, "Ar"), 0);
    EXPECT_EQ(FindFontEntry(fonts, ""), -1);
}

// The model's default caption font is the recommended list's default pair.
TEST(CaptionFontLists, DefaultPairIsTheModelsDefaultFont) {
    const CaptionFont pair = RecommendedPair(RecommendedFonts().at(kRecommendedDefault));
    EXPECT_EQ(pair.name, DefaultCaptionFont().name);
    EXPECT_EQ(pair.size, DefaultCaptionFont().size);
}

// The caption's colours and font as the browser shows them are in the
// window test; here the frame and the hint, which it does not read.
TEST(SamplePage, FrameColourAndHintReachTheirLines) {
    SampleStyle style;
    style.pageBackColor = RgbColor(0x10, 0x20, 0x30);
    style.frameColor = RgbColor(0xFF, 0x99, 0xCC);
    const QString page = SamplePageText(style);
    EXPECT_TRUE(
        page.contains("\r\n<table width=\"100%\" border=\"3\"> <tr bgcolor=\"#FF99CC\">\r\n"));
    EXPECT_TRUE(page.contains("\r\n<br><CENTER><font color=\"#FFFFFF\">"));
    // The hint reads on the page: white on a dark page, black on a light one.
    EXPECT_EQ(HintColor(RgbColor(0, 171, 0)), "#000000");
    EXPECT_EQ(HintColor(RgbColor(170, 170, 170)), "#FFFFFF");

    // Values from the sets file are text: the caption is escaped as HTML, the
    // font cannot end the script block, and the size is set as the compiled
    // show sets it (a bare number).
    style.caption = "<b>a & b</b>";
    style.font = "x</script><script>alert(1)";
    style.size = "20";
    const QString hostile = SamplePageText(style);
    EXPECT_TRUE(
        hostile.contains("<DIV ID=text ALIGN=absmiddle>&lt;b&gt;a &amp; b&lt;/b&gt;</DIV>"));
    EXPECT_TRUE(hostile.contains("msg.style.fontFamily = \"x\\x3C/script>\\x3Cscript>alert(1)\";"));
    EXPECT_TRUE(hostile.contains("\r\n     msg.style.fontSize = \"20\";  }\r\n"));
    EXPECT_EQ(hostile.count("</script>", Qt::CaseInsensitive), 1);
}

TEST(StyleSets, ValuesWithQuotesAndCommasSurvive) {
    const QList<StyleSet> sets{{"Mine, \"best\"", "Arial", "16", "She said \"yes\", then \"\"no\""},
                               {"", "Tahoma", "72", "\"\""}};
    const QByteArray text = StyleSetsText(sets);
    EXPECT_TRUE(text.startsWith("\"Mine, \"\"best\"\"\"\r\n\"Arial\"\r\n\"16\"\r\n"));
    const StyleSetsRead read = ParseStyleSets(text);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.sets, sets);
    EXPECT_EQ(ParseStyleSets(StyleSetsText({{"two\r\nlines", "", "", ""}})).sets[0].name,
              "two lines");
}

// Files of earlier versions: quoted values without escapes, unquoted values,
// commas between values, anything after a closing quote ignored, and the
// Windows character set.
TEST(StyleSets, OlderFilesReadAsTheyAlwaysDid) {
    const QByteArray old = "\"Big\"\r\n\"Arial\"\r\n\"72\"\r\n\"Caf\xE9 \"say \"hi\" now\"\r\n"
                           "  Small , Courier,12\r\n\"a, b\" junk\r\n";
    const StyleSetsRead read = ParseStyleSets(old);
    EXPECT_EQ(read.error, "");
    ASSERT_EQ(read.sets.size(), 2);
    EXPECT_EQ(read.sets[0], (StyleSet{"Big", "Arial", "72", QString::fromUtf8("Café ")}));
    EXPECT_EQ(read.sets[1], (StyleSet{"Small", "Courier", "12", "a, b"}));
}

// A file edited by both: each line is read in its own character set. A file
// over 1 MiB is read whole.
TEST(StyleSets, MixedCharacterSetsAndLargeFilesReadWhole) {
    const StyleSetsRead mixed =
        ParseStyleSets("\"Caf\xC3\xA9\"\r\n\"Arial\"\r\n\"8\"\r\n\"Caf\xE9\"\r\n");
    ASSERT_EQ(mixed.sets.size(), 1);
    EXPECT_EQ(mixed.sets[0].name, QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(mixed.sets[0].caption, QString::fromUtf8("Caf\xC3\xA9"));

    QTemporaryDir dir;
    QList<StyleSet> sets;
    for (int k = 0; k < kMaxStyleSets; ++k)
        sets.append({QString::number(k), "Arial", "12", QString(30000, QLatin1Char('c'))});
    ASSERT_EQ(WriteStyleSetsFile(dir.path(), sets), "");
    ASSERT_GT(QFileInfo(dir.filePath(kStyleSetsFileName)).size(), 1024 * 1024);
    const StyleSetsRead read = ReadStyleSetsFile(dir.path());
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.sets, sets);
}

TEST(StyleSets, DamagedFilesKeepTheSetsReadSoFar) {
    StyleSetsRead read =
        ParseStyleSets("\"A\"\r\n\"Arial\"\r\n\"8\"\r\n\"x\"\r\n\"B\"\r\n\"Tahoma\"\r\n");
    ASSERT_EQ(read.sets.size(), 1); // the message: the window test
    EXPECT_EQ(read.sets[0].name, "A");

    QList<StyleSet> many;
    for (int k = 0; k < kMaxStyleSets; ++k)
        EXPECT_EQ(AddStyleSet(many, {QString::number(k), "Arial", "8", ""}), AddSetOutcome::Added);
    EXPECT_EQ(AddStyleSet(many, {"51", "Arial", "8", ""}), AddSetOutcome::Full);
    read = ParseStyleSets(StyleSetsText(many) + "\"one\"\r\n\"too\"\r\n\"many\"\r\n\"\"\r\n");
    EXPECT_EQ(read.error, "9 Subscript out of range");
    EXPECT_EQ(read.sets, many);
}
