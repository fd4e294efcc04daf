#include "PrintQt.h"
#include "project/ShowChange.h"
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
const Slide kFresh{"", kFreshCaption, "&HC100FF", "&HFFFF80", "&H000000", ""};
} // namespace

// The first block exists before the default background is known: its slots
// have none until a picture is about to take them.
TEST_F(Model, FirstBlockOfFreshSlotsTakesTheBackgroundSlotBySlot) {
    ASSERT_EQ(p.SlideCapacity(), 25);
    for (int i = 0; i <= 25; ++i)
        EXPECT_EQ(p.slot(i), kFresh) << i;
    EXPECT_THROW(p.slot(26), std::out_of_range);
    add(1);
    EXPECT_EQ(p.slot(1).BkPicture, "/prog/clouds.jpg");
    EXPECT_TRUE(p.slot(2).BkPicture.isEmpty());
}

TEST_F(Model, GrowsInBlocksWithTheColoursCurrentThenUpToAThousand) {
    add(3);
    EXPECT_EQ(p.GrowSlots(), GrowOutcome::Unchanged);
    add(21);
    p.settings.CaptionBackColor = RgbColor(0xFF, 0x00, 0x05);
    p.settings.NewSlideBackColor = 0x123456;
    EXPECT_EQ(p.SlideCapacity(), 25);
    EXPECT_EQ(p.AppendPicture(QStringLiteral("/pics/p25.jpg")), GrowOutcome::Grown);
    EXPECT_EQ(p.SlideCapacity(), 50);
    // Slot 25 belongs to the first block and keeps its values.
    EXPECT_EQ(p.slot(25).CapBackColor, "&HFFFF80");
    const Slide grown{"", kFreshCaption, "&H123456", "&H0500FF", "&H000000", "/prog/clouds.jpg"};
    for (int i = 26; i <= 50; ++i)
        EXPECT_EQ(p.slot(i), grown) << i;

    add(974);
    EXPECT_EQ(p.SlideCapacity(), 1000);
    EXPECT_EQ(p.AppendPicture(QStringLiteral("/pics/last.jpg")), GrowOutcome::Full);
    EXPECT_EQ(p.SlideCount(), 1000);
}

TEST_F(Model, ClearStartsOverWithColoursCurrentAtClear) {
    add(30);
    p.settings.CaptionForeColor = 0xABCDEF;
    p.Clear();
    EXPECT_EQ(p.SlideCapacity(), 25);
    EXPECT_TRUE(p.slot(0).PicturePath.isEmpty());
    EXPECT_EQ(p.slot(25).CapForeColor, "&HABCDEF");
    EXPECT_EQ(p.slot(0).BkPicture, "/prog/clouds.jpg");
}

TEST_F(Model, DeleteMovesPicturesUpButLeavesColoursInPlace) {
    add(3);
    for (int k = 1; k <= 3; ++k) {
        p.slide(k).Caption = QStringLiteral("c%1").arg(k);
        p.slide(k).BkPicture = QStringLiteral("/bk/%1.jpg").arg(k);
        p.slide(k).PicBackColor = QStringLiteral("&H00000%1").arg(k);
    }
    // A show file's unknown slide key goes with the caption.
    p.slide(3).OtherKeys = {{QStringLiteral("Narration"), 3}};
    p.setCurrentSlide(2);
    p.DeleteCurrentSlide();
    EXPECT_EQ(p.SlideCount(), 2);
    EXPECT_EQ(p.CurrentSlide(), 1);
    EXPECT_EQ(p.slide(2), (Slide{"/pics/p3.jpg",
                                 "c3",
                                 "&H000002",
                                 "&HFFFF80",
                                 "&H000000",
                                 "/bk/3.jpg",
                                 {{QStringLiteral("Narration"), 3}}}));
    // The position the last slide left takes what the slot after it held,
    // and that slot is emptied.
    EXPECT_EQ(p.slide(3).Caption, kFreshCaption);
    EXPECT_EQ(p.slide(3).PicBackColor, "&H000003");
    EXPECT_EQ(p.slot(3).Caption, "");
}

// A step's change puts the show back and forward exactly, across a growth of
// the table, and leaves the tool's own preferences as they are now.
TEST_F(Model, ChangeBetweenTwoStatesUndoesAndRedoesThem) {
    add(24);
    const SlideShowProject before = p;
    add(3); // the table grows a block
    p.slide(2).Caption = QStringLiteral("two");
    p.settings.NumSecDelay = 9;
    p.tool.DirectoryLastOpenned = QStringLiteral("/pics/");
    const SlideShowProject after = p;
    const ShowChange change = ShowChange::Between(before, after);
    ASSERT_FALSE(change.IsEmpty());
    EXPECT_TRUE(change.ChangesSlideField(&Slide::Caption));

    change.Undo(p);
    EXPECT_EQ(p.SlideCount(), 24);
    EXPECT_EQ(p.SlideCapacity(), before.SlideCapacity());
    for (int i = 0; i <= p.SlideCapacity(); ++i)
        EXPECT_EQ(p.slot(i), before.slot(i)) << i;
    EXPECT_EQ(p.settings.NumSecDelay, before.settings.NumSecDelay);
    EXPECT_EQ(p.tool.DirectoryLastOpenned, "/pics/");
    EXPECT_EQ(change.FirstChangedSlide(false), 2);

    change.Redo(p);
    EXPECT_EQ(p.SlideCount(), 27);
    EXPECT_EQ(p.SlideCapacity(), after.SlideCapacity());
    for (int i = 0; i <= p.SlideCapacity(); ++i)
        EXPECT_EQ(p.slot(i), after.slot(i)) << i;
    EXPECT_EQ(p.settings, after.settings);

    // Moving through the slides or the tool's preferences is no change.
    SlideShowProject moved = after;
    moved.setCurrentSlide(3);
    moved.tool.ToolTipsOn = !moved.tool.ToolTipsOn;
    EXPECT_TRUE(ShowChange::Between(after, moved).IsEmpty());
}

// Two changes as one: the first one's "before" and the second one's
// "after"; back where it started, nothing is left.
TEST_F(Model, ChangesFollowingEachOtherMakeOne) {
    add(2);
    const SlideShowProject a = p;
    p.settings.NumSecDelay = 7;
    p.slide(1).Caption = QStringLiteral("one");
    const SlideShowProject b = p;
    p.settings.NumSecDelay = 8;
    const SlideShowProject c = p;
    const ShowChange both = ShowChange::Between(a, b).Then(ShowChange::Between(b, c));
    EXPECT_TRUE(both.ChangesSlideField(&Slide::Caption));
    EXPECT_FALSE(both.ChangesSlideField(&Slide::CapForeColor));
    both.Undo(p);
    EXPECT_EQ(p.settings.NumSecDelay, 3);
    EXPECT_EQ(p.slide(1).Caption, a.slide(1).Caption);
    both.Redo(p);
    EXPECT_EQ(p.settings.NumSecDelay, 8);
    EXPECT_EQ(p.slide(1).Caption, "one");
    EXPECT_TRUE(ShowChange::Between(a, b).Then(ShowChange::Between(b, a)).IsEmpty());
}
