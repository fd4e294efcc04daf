#include "editor/PreviewSteps.h"

#include <gtest/gtest.h>

TEST(PreviewSteps, StepsStopAtTheEnds) {
    using B = StepButton;
    using S = PreviewStep;
    EXPECT_EQ(StepFrom(B::Forward, 4, 10, 3), (S{S::Show, 5}));
    EXPECT_EQ(StepFrom(B::Forward, 10, 10, 3), (S{S::AtEnd}));
    EXPECT_EQ(StepFrom(B::FastForward, 9, 10, 3), (S{S::Show, 10}));
    EXPECT_EQ(StepFrom(B::FastForward, 10, 10, 3), (S{S::AtEnd}));
    EXPECT_EQ(StepFrom(B::Rewind, 10, 10, 3), (S{S::Show, 7}));
    EXPECT_EQ(StepFrom(B::Rewind, 2, 10, 3), (S{S::Show, 1}));
    EXPECT_EQ(StepFrom(B::Rewind, 1, 10, 3), (S{S::AtBeginning}));
    EXPECT_EQ(StepFrom(B::Back, 6, 10, 3), (S{S::Show, 5}));
    EXPECT_EQ(StepFrom(B::Back, 1, 10, 3), (S{S::AtBeginning}));
    // A current slide out of range is put back in range without a show.
    EXPECT_EQ(StepFrom(B::Forward, 12, 10, 3), (S{S::Settle, 10}));
    EXPECT_EQ(StepFrom(B::Back, 0, 10, 3), (S{S::Settle, 1}));
}

TEST(PreviewSteps, AutoRunGoesRoundAndStartsOverAfterDeletes) {
    AutoRunState run;
    EXPECT_FALSE(run.running());
    run.start();
    EXPECT_TRUE(run.running());
    run.stop();
    EXPECT_FALSE(run.running());

    EXPECT_EQ(AutoRunState::TickFrom(1, 3).shown, 1);
    EXPECT_EQ(AutoRunState::TickFrom(1, 3).next, 2);
    EXPECT_EQ(AutoRunState::TickFrom(3, 3).next, 1);
    EXPECT_EQ(AutoRunState::TickFrom(5, 3).shown, 1);
    EXPECT_EQ(AutoRunState::TickFrom(1, 1).next, 1);
}
