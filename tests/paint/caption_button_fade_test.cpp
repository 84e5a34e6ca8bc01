// The opacity of a caption button's new look on each 10 ms tick: hover,
// leave, press and their mixtures.
#include <gtest/gtest.h>

#include <vector>

#include "paint/CaptionButtonFade.h"

namespace taramel {
namespace {

// The alphas shown by a change and then by ticks until the fade asks for
// nothing new, or the given number of ticks.
std::vector<int> Ticks(CaptionButtonFade& fade, int ticks)
{
    std::vector<int> shown;
    for (int i = 0; i < ticks; ++i) {
        const CaptionButtonFade::Frame f = fade.Tick();
        if (f.Alpha >= 0)
            shown.push_back(f.Alpha);
        if (f.Finished || f.WatchCursor)
            break;
    }
    return shown;
}

TEST(CaptionButtonFade, HoverFadesInOverTenStepsAndStaysUntilLeft)
{
    CaptionButtonFade fade;
    const CaptionButtonFade::Frame start = fade.Change(1);
    EXPECT_EQ(start.Alpha, 25);
    EXPECT_TRUE(start.Remake);
    EXPECT_TRUE(start.RunTimer);
    EXPECT_EQ(Ticks(fade, 20), (std::vector<int>{50, 75, 100, 125, 150, 175, 200, 225, 255}));
    EXPECT_EQ(fade.StepCount(), -1) << "complete";
    // From now on each tick only checks the cursor.
    const CaptionButtonFade::Frame watch = fade.Tick();
    EXPECT_TRUE(watch.WatchCursor);
    EXPECT_EQ(watch.Alpha, -1);

    const CaptionButtonFade::Frame leave = fade.Change(0);
    EXPECT_FALSE(leave.Remake) << "the hot picture is what fades out";
    EXPECT_EQ(Ticks(fade, 20), (std::vector<int>{250, 225, 200, 175, 150, 125, 100, 75, 50, 25, 0}));
    EXPECT_FALSE(fade.Running());
}

TEST(CaptionButtonFade, PressShowsAtOnce)
{
    CaptionButtonFade first;
    const CaptionButtonFade::Frame f = first.Change(2);
    EXPECT_EQ(f.Alpha, 255);
    EXPECT_FALSE(f.RunTimer) << "one step: nothing to animate";

    CaptionButtonFade fade;
    fade.Change(1);
    Ticks(fade, 3);
    const CaptionButtonFade::Frame press = fade.Change(2);
    EXPECT_EQ(press.Alpha, 255);
    EXPECT_TRUE(press.Remake);
    EXPECT_EQ(fade.Target(), 2);
}

// After a press the hot look comes back whole, not from one step of the
// pressed picture; leaving after a press fades from full opacity.
TEST(CaptionButtonFade, WhatFollowsAPressStartsFromFullOpacity)
{
    CaptionButtonFade fade;
    fade.Change(1);
    fade.Change(2);
    const CaptionButtonFade::Frame back = fade.Change(1);
    EXPECT_TRUE(back.Remake);
    EXPECT_EQ(back.Alpha, 255);
    EXPECT_TRUE(fade.Tick().WatchCursor);

    CaptionButtonFade out;
    out.Change(1);
    out.Change(2);
    out.Change(0);
    const std::vector<int> shown = Ticks(out, 20);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), 250);
    EXPECT_EQ(shown.back(), 0);
}

// Leaving half way fades out from where the fade in stood; coming back
// half way fades in from there.
TEST(CaptionButtonFade, ChangesHalfWayTurnAround)
{
    CaptionButtonFade fade;
    fade.Change(1);
    Ticks(fade, 3);  // 50, 75, 100: the next step is 5
    fade.Change(0);
    EXPECT_EQ(Ticks(fade, 2), (std::vector<int>{125, 100}));
    fade.Change(1);
    EXPECT_EQ(Ticks(fade, 3), (std::vector<int>{75, 100, 125}));
    EXPECT_EQ(fade.Target(), 1);
}

TEST(CaptionButtonFade, AnIdleFadeAsksForNothing)
{
    CaptionButtonFade fade;
    const CaptionButtonFade::Frame f = fade.Tick();
    EXPECT_EQ(f.Alpha, -1);
    EXPECT_FALSE(f.RunTimer);
    EXPECT_FALSE(fade.Running());
}

}  // namespace
}  // namespace taramel
