#include "compiler/NameRules.h"

#include "core/PrintQt.h"

#include <gtest/gtest.h>

TEST(NameRules, DropsPathCharactersDotsAndControls) {
    EXPECT_EQ(FilterNameText("a?b\\c:d*e<f>g|h.i/j"), "abcdefghij");
    EXPECT_EQ(FilterNameText("../../etc/passwd"), "etcpasswd");
    EXPECT_EQ(FilterNameText("My Show, 2024 (final)!"), "My Show, 2024 (final)!");
    EXPECT_EQ(FilterNameText("..."), "");
    // Control characters go too, NUL among them.
    EXPECT_EQ(FilterNameText(QString("tr") + QChar(0) + "ip\t\r\n\x7f" + QChar(0x85)), "trip");
}

TEST(NameRules, ProposedNamesUseEnglishMonthAndTwoDigitDay) {
    EXPECT_EQ(ProposedPageName(QDate(2024, 3, 5)), "Slide Show March 05, 2024");
    EXPECT_EQ(ProposedPageName(QDate(1999, 12, 31)), "Slide Show December 31, 1999");
    EXPECT_EQ(ProposedFolderName(""), "Folder Name");
    EXPECT_EQ(ProposedFolderName("holiday"), "holiday");
}
