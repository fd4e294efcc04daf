#include "project/ColorText.h"

#include <gtest/gtest.h>

TEST(ColorText, ColorToHexOrdersAndOneShotFlag) {
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

TEST(ColorText, StoredColourRoundTrips) {
    EXPECT_EQ(StoredColorText(RgbColor(255, 0, 5)), "&H0500FF");
    EXPECT_EQ(StoredColorToHtml("&H0500FF"), "#FF0005");
    EXPECT_EQ(StoredColorToHtml("&H000000"), "#000000");
    EXPECT_EQ(StoredColorToHtml("&Hc100ff"), "#ff00c1");
    EXPECT_EQ(StoredColorToHtml("&H12"), "#12");
    EXPECT_EQ(StoredColorValue("&HC100FF"), 0xC100FFu);
    EXPECT_EQ(StoredColorValue("junk"), 0u);
}
