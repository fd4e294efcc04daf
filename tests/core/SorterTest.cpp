#include "ScriptedPrompter.h"
#include "project/SlideShowProject.h"
#include "sorter/ScreenScaling.h"
#include "sorter/SorterOpening.h"
#include "sorter/SwapSlots.h"
#include "sorter/ThumbnailGrid.h"

#include <gtest/gtest.h>

TEST(SorterOpeningTest, EstimatesOneSecondPerPicture) {
    const QString spaces(44, QLatin1Char(' '));
    EXPECT_EQ(SorterEstimateQuestion(2).text,
              "Setting up the Sort Form will take approximately 0 minutes and 2 seconds.\n" +
                  spaces + "Shall I continue?");
    EXPECT_TRUE(SorterEstimateQuestion(61).text.contains("1 minutes and 1 seconds."));
    ScriptedPrompter ui;
    ui.queueMessageAnswer(MsgResult::No);
    EXPECT_EQ(AskToOpenSorter(2, ui), SorterOpening::Declined);
}

TEST(SorterOpeningTest, RefusesBelowTwoSlides) {
    ScriptedPrompter ui;
    EXPECT_EQ(AskToOpenSorter(1, ui), SorterOpening::Refused);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "You need at least 2 pictures before you can swap positions!\n"
                                     "You currently have: 1 Pictures Selected");
}

TEST(ThumbnailGridTest, FlowsSevenPerRowAtTheDesignSize) {
    const ThumbnailGrid grid(kDesignThumbnailSize, 368);
    EXPECT_EQ(grid.perRow(), 7);
    EXPECT_EQ(grid.cell(6).topLeft(), QPoint(316, 10));
    EXPECT_EQ(grid.cell(7).topLeft(), QPoint(10, 53));
    // A right edge landing exactly on the canvas width stays in the row.
    EXPECT_EQ(ThumbnailGrid(kDesignThumbnailSize, 357).perRow(), 7);
    EXPECT_EQ(ThumbnailGrid(kDesignThumbnailSize, 356).perRow(), 6);
    EXPECT_EQ(ThumbnailSizeFor(8), QSize(331, 321));
    EXPECT_EQ(ThumbnailGrid(ThumbnailSizeFor(8), 368).cell(2).topLeft(), QPoint(10, 672));
}

TEST(ThumbnailGridTest, ScrollBarFromThirtySixSlides) {
    // The viewport's inner height at 800 x 600 (273 less its frame).
    const int inner = 269;
    EXPECT_FALSE(FitScrollBar(ThumbnailGrid(kDesignThumbnailSize, 368), 35, inner));
    const ThumbnailGrid grid(ThumbnailSizeFor(1), 368);
    const auto fit = FitScrollBar(grid, 36, inner);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->canvasHeight, 316);
    EXPECT_EQ(fit->range, 316 - inner);
    // Scrolled to the end, the last row is in view.
    EXPECT_EQ(grid.meeting(fit->range, inner, 36).second, 36);
}

TEST(SwapSlotsTest, ClicksFillTheSlotsInTurn) {
    SwapSlots pick;
    EXPECT_EQ(pick.choose(3), 0);
    EXPECT_EQ(pick.choose(3), std::nullopt); // the same picture twice
    EXPECT_EQ(pick.choose(5), 1);
    EXPECT_EQ(pick.choose(7), std::nullopt); // both taken
    pick.clear(0);                           // slot 1 still holds 5
    EXPECT_EQ(pick.choose(5), std::nullopt);
    EXPECT_EQ(pick.choose(8), 0);
    EXPECT_TRUE(pick.ready());
}

TEST(SwapSlotsTest, SwapKeepsColoursAtTheirPositions) {
    SlideShowProject p;
    p.GrowSlots();
    for (int k = 1; k <= 6; ++k) {
        p.AppendPicture(QStringLiteral("/p/%1.jpg").arg(k));
        p.slide(k).Caption = QStringLiteral("caption %1").arg(k);
        p.slide(k).BkPicture = QStringLiteral("/bk/%1.jpg").arg(k);
        p.slide(k).PicBackColor = QStringLiteral("&H00000%1").arg(k);
    }
    SwapSlides(p, 1, 4);
    EXPECT_EQ(p.slide(2),
              (Slide{"/p/5.jpg", "caption 5", "&H000002", "&HFFFF80", "&H000000", "/bk/5.jpg"}));
    EXPECT_EQ(p.slide(5).PicturePath, "/p/2.jpg");
    EXPECT_EQ(p.slide(5).PicBackColor, "&H000005");
}

TEST(ScreenScalingTest, ScalesFromTheDesignScreen) {
    EXPECT_FALSE(ResolutionFactors({800, 600}));
    EXPECT_DOUBLE_EQ(ResolutionFactors({1280, 1024})->y, 1049 / 600.0);
    const QRect design(10, 20, 100, 30);
    EXPECT_EQ(ScaledGeometry(design, {2, 3}, ScaleRule::KeepHeight), QRect(20, 60, 200, 30));
    EXPECT_EQ(ScaledGeometry(design, {2, 3}, ScaleRule::KeepSize), QRect(20, 60, 100, 30));
}
