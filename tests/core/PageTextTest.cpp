#include "compiler/PageText.h"

#include <gtest/gtest.h>

TEST(PageText, ColorToHexOrdersAndOneShotFlag) {
    const ColorValue c = RgbColor(255, 0, 5);
    bool bgr = false;
    EXPECT_EQ(ColorToHex(c, bgr), "FF0005");
    bgr = true;
    EXPECT_EQ(ColorToHex(c, bgr), "0500FF");
    EXPECT_FALSE(bgr);
    EXPECT_EQ(ColorToHex(c, bgr), "FF0005");
    EXPECT_EQ(ColorToHex(0, bgr), "000000");
    bgr = true;
    EXPECT_EQ(ColorToHex(0, bgr), "000000");
    // The high byte is ignored.
    EXPECT_EQ(ColorToHex(0xFF0A0B0C, bgr), "0C0B0A");
}

TEST(PageText, StoredColourRoundTrips) {
    EXPECT_EQ(StoredColorText(RgbColor(255, 0, 5)), "&H0500FF");
    EXPECT_EQ(StoredColorToHtml("&H0500FF"), "#FF0005");
    EXPECT_EQ(StoredColorToHtml("&H000000"), "#000000");
    EXPECT_EQ(StoredColorToHtml("&Hc100ff"), "#ff00c1");
    EXPECT_EQ(StoredColorToHtml("&H12"), "#12");
    EXPECT_EQ(StoredColorValue("&HC100FF"), 0xC100FFu);
    EXPECT_EQ(StoredColorValue("junk"), 0u);
}

TEST(PageText, FileExtensionTakesLastDotOfFileName) {
    EXPECT_EQ(FileExtension("C:\\Photos\\Beach.JPG"), ".jpg");
    EXPECT_EQ(FileExtension("/music/song.Mid"), ".mid");
    EXPECT_EQ(FileExtension("C:\\My.Pictures\\x.y.GIF"), ".gif");
    EXPECT_EQ(FileExtension("/home/me/My.Pictures/x.y.GIF"), ".gif");
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(FileExtension("/home/My.Pictures/photo"), "");
    EXPECT_EQ(FileExtension("noext"), "");
}

TEST(PageText, JustFileNameAfterEitherSeparator) {
    EXPECT_EQ(GetJustFileName("C:\\Program\\wood.gif"), "wood.gif");
    EXPECT_EQ(GetJustFileName("/usr/share/pevrano/Film.GIF"), "Film.GIF");
    EXPECT_EQ(GetJustFileName("/mixed\\dir/a\\b.jpg"), "b.jpg");
    EXPECT_EQ(GetJustFileName("plain.gif"), "plain.gif");
}

TEST(PageText, ScriptTextValues) {
    EXPECT_EQ(ScriptBoolean(true), "true");
    EXPECT_EQ(ScriptBoolean(false), "false");
    EXPECT_EQ(IntText(-32768), "-32768");
    EXPECT_EQ(IntText(1000), "1000");
    EXPECT_EQ(Quoted("a b"), "\"a b\"");
    EXPECT_EQ(ScriptStringText("a\\b\r\nc 'd' & <e>"), "a\\\\b\\r\\nc 'd' & <e>");
}

TEST(PageText, BuilderEndsEveryLineWithCrLf) {
    PageBuilder b;
    b.line(u"<HTML>").line().lines({u"a", u"b"});
    EXPECT_EQ(b.text(), "<HTML>\r\n\r\na\r\nb\r\n");
}
