#include "project/SlideShowProject.h"

#include <gtest/gtest.h>

namespace {
struct Model : ::testing::Test {
    SlideShowProject p;
    Model() {
        p.GrowSlots();
        p.settings.NewBkPicture = QStringLiteral("/prog/clouds.jpg");
    }
    void add(int n) {
        for (int i = 0; i < n; ++i)
            p.AppendPicture(QStringLiteral("/pics/p%1.jpg").arg(p.SlideCount() + 1));
    }
};
} // namespace

TEST_F(Model, EmptyProjectHasFirstBlockOfFreshSlots) {
    EXPECT_EQ(p.SlideCount(), 0);
    EXPECT_EQ(p.SlideCapacity(), 25);
    EXPECT_EQ(p.CurrentSlide(), 1);
    for (int i = 0; i <= 25; ++i) {
        const Slide& s = p.slot(i);
        EXPECT_EQ(s.Caption, "Type in your caption here.");
        EXPECT_EQ(s.PicBackColor, "&HC100FF");
        EXPECT_EQ(s.CapBackColor, "&HFFFF80");
        EXPECT_EQ(s.CapForeColor, "&H000000");
        EXPECT_TRUE(s.PicturePath.isEmpty());
        // The first block exists before the default background is known.
        EXPECT_TRUE(s.BkPicture.isEmpty());
    }
    EXPECT_THROW(p.slot(26), std::out_of_range);
}

TEST_F(Model, AppendFillsNextSlotAndItsBackground) {
    add(1);
    EXPECT_EQ(p.SlideCount(), 1);
    EXPECT_EQ(p.CurrentSlide(), 1);
    EXPECT_EQ(p.slide(1).PicturePath, "/pics/p1.jpg");
    // The slot the next picture takes gets the default background now.
    EXPECT_EQ(p.slot(1).BkPicture, "/prog/clouds.jpg");
    EXPECT_TRUE(p.slot(2).BkPicture.isEmpty());
    add(2);
    EXPECT_EQ(p.CurrentSlide(), 3);
}

TEST_F(Model, TwentyFifthPictureGrowsBlockWithColoursCurrentThen) {
    add(24);
    EXPECT_EQ(p.SlideCapacity(), 25);
    p.settings.CaptionBackColor = RgbColor(0xFF, 0x00, 0x05);
    p.settings.NewSlideBackColor = 0x123456;
    add(1);
    EXPECT_EQ(p.SlideCount(), 25);
    EXPECT_EQ(p.SlideCapacity(), 50);
    // Slot 25 belongs to the first block and keeps its values.
    EXPECT_EQ(p.slot(25).CapBackColor, "&HFFFF80");
    EXPECT_EQ(p.slot(25).BkPicture, "/prog/clouds.jpg");
    for (int i = 26; i <= 50; ++i) {
        EXPECT_EQ(p.slot(i).CapBackColor, "&H0500FF");
        EXPECT_EQ(p.slot(i).PicBackColor, "&H123456");
        EXPECT_EQ(p.slot(i).BkPicture, "/prog/clouds.jpg");
    }
}

TEST_F(Model, GrowsInBlocksUpToThousandThenReportsFull) {
    add(999);
    EXPECT_EQ(p.SlideCapacity(), 1000);
    EXPECT_EQ(p.AppendPicture(QStringLiteral("/pics/last.jpg")), GrowOutcome::Full);
    EXPECT_EQ(p.SlideCount(), 1000);
    EXPECT_EQ(p.SlideCapacity(), 1000);
    // A later growth step at the ceiling says so again and changes nothing.
    EXPECT_EQ(p.GrowSlots(), GrowOutcome::Full);
    EXPECT_EQ(p.SlideCapacity(), 1000);
}

TEST_F(Model, GrowthOnlyWhenCountCaughtUpWithCapacity) {
    add(3);
    EXPECT_EQ(p.GrowSlots(), GrowOutcome::Unchanged);
    EXPECT_EQ(p.SlideCapacity(), 25);
    add(21);
    EXPECT_EQ(p.AppendPicture(QStringLiteral("/pics/p25.jpg")), GrowOutcome::Grown);
    EXPECT_EQ(p.GrowSlots(), GrowOutcome::Unchanged);
    EXPECT_EQ(p.SlideCapacity(), 50);
}

TEST_F(Model, StoreCaptionWritesCurrentSlotAsColourText) {
    add(3);
    p.setCurrentSlide(2);
    p.StoreCaption(QStringLiteral("Beach & <sun>"), RgbColor(0xFF, 0, 5), 0);
    EXPECT_EQ(p.slide(2).Caption, "Beach & <sun>");
    EXPECT_EQ(p.slide(2).CapBackColor, "&H0500FF");
    EXPECT_EQ(p.slide(2).CapForeColor, "&H000000");
    // Current slide 0 (nothing shown) means slot 0.
    p.setCurrentSlide(0);
    p.StoreCaption(QStringLiteral("first"), 0, 0);
    EXPECT_EQ(p.slide(1).Caption, "first");
}

TEST_F(Model, ClearStartsOverWithColoursCurrentAtClear) {
    add(30);
    p.settings.CaptionForeColor = 0xABCDEF;
    p.Clear();
    EXPECT_EQ(p.SlideCount(), 0);
    EXPECT_EQ(p.SlideCapacity(), 25);
    EXPECT_EQ(p.CurrentSlide(), 1);
    EXPECT_TRUE(p.slot(0).PicturePath.isEmpty());
    EXPECT_EQ(p.slot(25).CapForeColor, "&HABCDEF");
    EXPECT_EQ(p.slot(0).BkPicture, "/prog/clouds.jpg");
    EXPECT_THROW(p.slot(26), std::out_of_range);
}

TEST_F(Model, DeleteMovesPicturesUpButLeavesColoursInPlace) {
    add(3);
    for (int k = 1; k <= 3; ++k) {
        p.slide(k).Caption = QStringLiteral("c%1").arg(k);
        p.slide(k).BkPicture = QStringLiteral("/bk/%1.jpg").arg(k);
        p.slide(k).PicBackColor = QStringLiteral("&H00000%1").arg(k);
    }
    p.setCurrentSlide(2);
    p.DeleteCurrentSlide();
    EXPECT_EQ(p.SlideCount(), 2);
    EXPECT_EQ(p.CurrentSlide(), 1);
    EXPECT_EQ(p.slide(2).PicturePath, "/pics/p3.jpg");
    EXPECT_EQ(p.slide(2).Caption, "c3");
    EXPECT_EQ(p.slide(2).BkPicture, "/bk/3.jpg");
    EXPECT_EQ(p.slide(2).PicBackColor, "&H000002");
    // The position the last slide left takes what the slot after it held,
    // and that slot is emptied.
    EXPECT_EQ(p.slide(3).PicturePath, "");
    EXPECT_EQ(p.slide(3).Caption, kFreshCaption);
    EXPECT_EQ(p.slide(3).PicBackColor, "&H000003");
    EXPECT_EQ(p.slot(3).Caption, "");

    p.DeleteCurrentSlide();
    p.DeleteCurrentSlide();
    EXPECT_EQ(p.SlideCount(), 0);
    EXPECT_EQ(p.CurrentSlide(), 1);
    EXPECT_EQ(p.slot(0).PicturePath, "");
}
