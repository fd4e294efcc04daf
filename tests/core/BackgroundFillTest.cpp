#include "project/BackgroundFill.h"
#include "project/SlideShowProject.h"

#include <QList>
#include <gtest/gtest.h>

namespace {
struct RecordedProgress : FillProgress {
    QList<int> seen;
    bool ended = false;
    void begin(int min, int max) override { seen << min << max; }
    void step(int value) override { seen << value; }
    void end() override { ended = true; }
};
} // namespace

// Only one picture for every slide (picture mode) or one colour for every
// slide (colour mode) is copied, from the given slot to the last one.
TEST(BackgroundFill, OnlyTheSharedBackgroundOfTheModeReachesTheSlots) {
    struct Case {
        bool colourMode, sameColour;
        int pictureOption;
        bool fillsPicture, fillsColour;
    };
    for (const Case& c :
         {Case{true, true, 0, false, true}, Case{false, true, 0, true, false},
          Case{false, false, 1, false, false}, Case{true, false, 0, false, false}}) {
        SCOPED_TRACE(testing::Message() << c.colourMode << c.sameColour << c.pictureOption);
        SlideShowProject p;
        p.GrowSlots();
        ShowSettings& s = p.settings;
        s.NewBkPicture = "/bk/clouds.jpg";
        s.NewSlideBackColor = RgbColor(255, 0, 5);
        s.UseColTrueUsePicFalse = c.colourMode;
        s.SameBkColorEverySlide = c.sameColour;
        s.optIntBkImgOptionForm = c.pictureOption;
        for (int i = 0; i <= p.SlideCapacity(); ++i) {
            p.slot(i).BkPicture = "/bk/own.jpg";
            p.slot(i).PicBackColor = "&H111111";
        }
        RecordedProgress progress;
        FillBackgrounds(p, 3, &progress);
        for (int i = 0; i <= 25; ++i) {
            const bool reached = i >= 3;
            EXPECT_EQ(p.slot(i).BkPicture,
                      reached && c.fillsPicture ? "/bk/clouds.jpg" : "/bk/own.jpg")
                << i;
            EXPECT_EQ(p.slot(i).PicBackColor, reached && c.fillsColour ? "&H0500FF" : "&H111111")
                << i;
        }
        QList<int> steps{3, 25}; // begin(3, 25), then one step per slot
        for (int i = 3; i <= 25; ++i)
            steps << i;
        const bool fills = c.fillsPicture || c.fillsColour;
        EXPECT_EQ(progress.seen, fills ? steps : QList<int>{});
        EXPECT_EQ(progress.ended, fills);
        EXPECT_FALSE(p.flags.HexInBgrOrder); // the one-shot order flag is spent
    }
}
