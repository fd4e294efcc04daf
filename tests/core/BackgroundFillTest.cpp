#include "project/BackgroundFill.h"
#include "ScriptedPrompter.h"
#include "project/SlideShowProject.h"

#include <gtest/gtest.h>

namespace {
struct RecordedProgress : FillProgress {
    int minimum = -1, maximum = -1, last = -1, steps = 0;
    bool ended = false;
    void begin(int min, int max) override {
        minimum = min;
        maximum = max;
        last = -1;
    }
    void step(int value) override {
        EXPECT_EQ(value, last < 0 ? minimum : last + 1);
        last = value;
        ++steps;
    }
    void end() override { ended = true; }
};

class BackgroundFillTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.GrowSlots();
        for (int i = 0; i < 4; ++i)
            p.AppendPicture(QStringLiteral("/p/%1.jpg").arg(i));
        p.settings.NewBkPicture = "/bk/clouds.jpg";
        p.settings.NewSlideBackColor = RgbColor(255, 0, 5);
        for (int i = 0; i <= p.SlideCapacity(); ++i) {
            p.slot(i).BkPicture = "/bk/own.jpg";
            p.slot(i).PicBackColor = "&H111111";
        }
    }
    bool Untouched() const {
        for (int i = 0; i <= p.SlideCapacity(); ++i)
            if (p.slot(i).BkPicture != "/bk/own.jpg" || p.slot(i).PicBackColor != "&H111111")
                return false;
        return true;
    }

    ScriptedPrompter ui;
    SlideShowProject p;
};
} // namespace

TEST_F(BackgroundFillTest, SameColourInColourModeReachesEverySlot) {
    p.settings.UseColTrueUsePicFalse = true;
    p.settings.SameBkColorEverySlide = true;
    RecordedProgress progress;
    FillBackgrounds(p, 0, &progress);
    ASSERT_EQ(p.SlideCapacity(), 25);
    for (int i = 0; i <= 25; ++i) {
        EXPECT_EQ(p.slot(i).PicBackColor, "&H0500FF") << i;
        EXPECT_EQ(p.slot(i).BkPicture, "/bk/own.jpg") << i;
    }
    EXPECT_EQ(progress.minimum, 0);
    EXPECT_EQ(progress.maximum, 25);
    EXPECT_EQ(progress.steps, 26);
    EXPECT_TRUE(progress.ended);
    EXPECT_FALSE(p.flags.HexInBgrOrder);
}

TEST_F(BackgroundFillTest, OnePictureInPictureModeReachesEverySlot) {
    p.settings.UseColTrueUsePicFalse = false;
    p.settings.optIntBkImgOptionForm = 0;
    p.settings.SameBkColorEverySlide = true;
    FillBackgrounds(p, 0);
    for (int i = 0; i <= p.SlideCapacity(); ++i) {
        EXPECT_EQ(p.slot(i).BkPicture, "/bk/clouds.jpg") << i;
        EXPECT_EQ(p.slot(i).PicBackColor, "&H111111") << i;
    }
}

TEST_F(BackgroundFillTest, OtherModesChangeNothing) {
    RecordedProgress progress;
    // A picture per slide, in either mode.
    p.settings.optIntBkImgOptionForm = 1;
    p.settings.SameBkColorEverySlide = false;
    for (bool colourMode : {true, false}) {
        p.settings.UseColTrueUsePicFalse = colourMode;
        FillBackgrounds(p, 0, &progress);
        EXPECT_TRUE(Untouched());
    }
    // Colour mode with a colour per slide.
    p.settings.optIntBkImgOptionForm = 0;
    p.settings.UseColTrueUsePicFalse = true;
    FillBackgrounds(p, 0, &progress);
    EXPECT_TRUE(Untouched());
    EXPECT_FALSE(progress.ended);
}

TEST_F(BackgroundFillTest, StartsAtTheGivenSlot) {
    p.settings.UseColTrueUsePicFalse = true;
    FillBackgrounds(p, 3);
    EXPECT_EQ(p.slot(2).PicBackColor, "&H111111");
    EXPECT_EQ(p.slot(3).PicBackColor, "&H0500FF");
    EXPECT_EQ(p.slot(25).PicBackColor, "&H0500FF");
}
