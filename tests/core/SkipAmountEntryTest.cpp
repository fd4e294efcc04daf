#include "editor/SkipAmountEntry.h"

#include <gtest/gtest.h>

TEST(SkipAmountEntry, TypingClampsFromTheSecondDigit) {
    EXPECT_EQ(SkipBoxChanged("1").amount, std::nullopt); // waits for the box to be left
    EXPECT_EQ(SkipBoxChanged("1").text, "1");
    const SkipBoxUpdate fifteen = SkipBoxChanged("15");
    EXPECT_EQ(fifteen.text, "15");
    EXPECT_EQ(fifteen.amount, 15);
    const SkipBoxUpdate big = SkipBoxChanged("150");
    EXPECT_EQ(big.text, "99");
    EXPECT_EQ(big.amount, 99);
    const SkipBoxUpdate zero = SkipBoxChanged("01");
    EXPECT_EQ(zero.text, "2");
    EXPECT_EQ(zero.amount, 2);
    // Emptied: shows the minimum, the amount waits.
    EXPECT_EQ(SkipBoxChanged("").text, "2");
    EXPECT_EQ(SkipBoxChanged("").amount, std::nullopt);
}

TEST(SkipAmountEntry, LeavingTheBoxClamps) {
    EXPECT_EQ(SkipBoxLeft("1").text, "2");
    EXPECT_EQ(SkipBoxLeft("1").amount, 2);
    EXPECT_EQ(SkipBoxLeft("").text, "2");
    EXPECT_EQ(SkipBoxLeft("").amount, 2);
    EXPECT_EQ(SkipBoxLeft("7").amount, 7);
    EXPECT_EQ(SkipBoxLeft("7").text, "7");
    EXPECT_EQ(SkipBoxLeft("100").text, "99");
}

// Pasted text never reaches the key filter: any length of digits or stray
// characters still ends inside the range.
TEST(SkipAmountEntry, PastedTextStaysInRange) {
    EXPECT_EQ(SkipBoxLeft("99999999999999999999999").amount, 99);
    EXPECT_EQ(SkipBoxLeft("ab").amount, 2);
    EXPECT_EQ(SkipBoxChanged("4x").amount, 4);
}
