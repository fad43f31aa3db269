#include <gtest/gtest.h>

#include "harness.h"
#include "ui/main_window.h"

using qt_testing::Harness;

// An idle game arms no wake-up; a walk started at real time t is woken at
// t + 100 however long the program ran before; late wake-ups catch up on every
// tick missed and aim at the next one.
TEST(RealtimeClock, ArmsForTheEarliestTickOnly) {
    Harness h;
    qt_testing::openFloorStage(h, "2");
    ASSERT_NE(h.window("MainWindow"), nullptr);
    qtfront::ClockDriver& clock = h.windows().clock();
    EXPECT_EQ(clock.armedDelay(), std::nullopt);

    h.now = 5000;
    h.clickAt("MainWindow", QPoint(24, 5 * 48 + 24));  // column 1, far to the left
    EXPECT_EQ(clock.armedDelay(), 100);
    forms::Control& sprite = *h.game().gameWindow()->controls().AnimeFrame;
    const float startLeft = sprite.Left;

    h.now = 5100;
    clock.wake();
    EXPECT_EQ(h.game().program().clock().now(), 5100);
    EXPECT_LT(sprite.Left, startLeft);
    EXPECT_EQ(clock.armedDelay(), 100);

    // Woken 250 ms late: the ticks due at 5200 and 5300 both run, the next is at 5400.
    const float before = sprite.Left;
    h.now = 5350;
    clock.wake();
    EXPECT_EQ(h.game().program().clock().now(), 5350);
    EXPECT_LT(sprite.Left, before);
    EXPECT_EQ(clock.armedDelay(), 50);

    // Walked all the way: no timer runs, nothing stays armed.
    h.now = 20000;
    clock.wake();
    EXPECT_EQ(sprite.Left, 0);
    EXPECT_EQ(h.game().program().clock().nextDue(), std::nullopt);
    EXPECT_EQ(clock.armedDelay(), std::nullopt);
}

// An input event first lets the clock catch up, so the ticks that were due
// run before it, in order, and the window it acts on is the one they left.
TEST(RealtimeClock, InputWaitsForTicksAlreadyDue) {
    Harness h;
    qt_testing::openFloorStage(h, "2");
    h.clickAt("MainWindow", QPoint(24, 5 * 48 + 24));
    const forms::Control& sprite = *h.game().gameWindow()->controls().AnimeFrame;
    // Real time has run on to 2000 without the wake-up firing (a busy event loop).
    h.now = 2000;
    h.clickAt("MainWindow", QPoint(8 * 48 + 24, 5 * 48 + 24));  // now go right
    EXPECT_EQ(sprite.Left, 0) << "the walk left finished before the click to the right";
    EXPECT_TRUE(h.game().gameWindow()->controls().RightWalkTimer->Enabled());
    EXPECT_EQ(h.windows().clock().armedDelay(), 100);
}
