#include "editor/PreviewSteps.h"
#include "PrintQt.h"
#include "editor/SkipAmountEntry.h"

#include <gtest/gtest.h>

TEST(PreviewSteps, StepsStopAtTheEnds) {
    using B = StepButton;
    using S = PreviewStep;
    // The window test steps within the show and past either end; here the
    // skips that end short of their amount.
    EXPECT_EQ(StepFrom(B::FastForward, 9, 10, 3), (S{S::Show, 10}));
    EXPECT_EQ(StepFrom(B::FastForward, 10, 10, 3), (S{S::AtEnd}));
    EXPECT_EQ(StepFrom(B::Rewind, 2, 10, 3), (S{S::Show, 1}));
    // A current slide out of range is put back in range without a show.
    EXPECT_EQ(StepFrom(B::Forward, 12, 10, 3), (S{S::Settle, 10}));
    EXPECT_EQ(StepFrom(B::Back, 0, 10, 3), (S{S::Settle, 1}));
}

TEST(PreviewSteps, AutoRunGoesRoundAndStartsOverAfterDeletes) {
    EXPECT_EQ(AutoRunState::TickFrom(1, 3).next, 2);
    EXPECT_EQ(AutoRunState::TickFrom(3, 3).next, 1);
    EXPECT_EQ(AutoRunState::TickFrom(5, 3).shown, 1);
    EXPECT_EQ(AutoRunState::TickFrom(1, 1).next, 1);
}

// The fast-forward box: typing clamps from the second digit on (one digit
// waits for the box to be left), leaving it clamps, and pasted text of any
// length still ends inside 2..99.
TEST(SkipAmountEntry, TypedLeftAndPastedTextEndsInRange) {
    struct Case {
        const char* text;
        bool left;
        const char* shown;
        std::optional<int> amount;
    };
    for (const Case& c :
         {Case{"1", false, "1", std::nullopt}, Case{"150", false, "99", 99},
          Case{"01", false, "2", 2}, Case{"4x", false, "4x", 4}, Case{"1", true, "2", 2},
          Case{"ab", true, "2", 2}, Case{"99999999999999999999999", true, "99", 99}}) {
        const SkipBoxUpdate u = c.left ? SkipBoxLeft(c.text) : SkipBoxChanged(c.text);
        EXPECT_EQ(u.text, c.shown) << c.text << (c.left ? " left" : " typed");
        EXPECT_EQ(u.amount, c.amount) << c.text << (c.left ? " left" : " typed");
    }
}
