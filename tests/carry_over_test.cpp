#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::Game;

namespace {

// A one-cell step on each side of the character at (5, 6), over a floor.
const std::vector<std::string> kSteps = {".........", ".........", ".........",
                                         ".........", ".........", "...KPK...",
                                         "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"};

// Reopens the game window on the same stage, by Try Again or by Exit and Load.
void reopen(Game& g, bool viaMenu) {
    if (viaMenu) {
        g.click("game", "Command3");
        g.click("menu", "Command2");
    } else {
        g.click("game", "Command1");
    }
    ASSERT_TRUE(g.gameOpen());
}

}  // namespace

// The climb's counters belong to the climb, not to the window it ran in: one
// cut short by Try Again or Exit leaves the next window's climbs whole.
TEST(CarryOver, AClimbCutShortLeavesTheNextClimbWhole) {
    struct Case {
        int dir;
        int cutAt;  // ms after the click: 600 is the climb's third tick, 1300 its sixth
        bool viaMenu;
    };
    for (const Case c :
         {Case{-1, 600, false}, Case{1, 1300, false}, Case{-1, 1300, true}, Case{1, 600, true}}) {
        SCOPED_TRACE("dir " + std::to_string(c.dir) + " cut at " + std::to_string(c.cutAt) +
                     (c.viaMenu ? " by Exit" : " by Try Again"));
        Game g;
        g.play(kSteps, "5", "10");
        g.walkTo(5 + c.dir, 6);
        g.wait(c.cutAt);
        ASSERT_NE(g.sprite().Top, 240.0f);  // well into the climb
        reopen(g, c.viaMenu);

        g.walkTo(5 + c.dir, 6);
        g.wait(1500);
        EXPECT_EQ(g.sprite().Left, 192.0f + 48.0f * static_cast<float>(c.dir));
        EXPECT_EQ(g.sprite().Top, 192.0f);
        EXPECT_EQ(g.pic(), std::string(c.dir < 0 ? "Left" : "Right") + "Jump(0)");
        g.wait(100);
        EXPECT_EQ(g.timers(), "-");
    }
}

// The walking legs are the other way round: their frames go on across windows,
// and stand still while a climb runs.
TEST(CarryOver, WalkFramesOutliveTheWindowAndRestDuringAClimb) {
    Game g;
    g.play(kSteps, "5", "10");
    game::LumoraBas& b = g.bas();
    g.walkTo(4, 6);
    g.wait(100);  // the tick that starts the climb still moves the legs
    ASSERT_EQ(g.timers(), "LeftWalkTimer:100,LeftJumpTimer:100");
    const std::int16_t frame = b.WalkFrame;
    g.wait(1399);  // to the climb's last tick
    EXPECT_EQ(b.WalkFrame, frame);
    g.wait(1);
    EXPECT_EQ(b.WalkFrame, frame);
    g.wait(100);
    ASSERT_EQ(g.timers(), "-");

    const std::int16_t left[] = {b.WalkFrame, b.WalkFrameStep};
    g.walkTo(5, 5);  // along the top of the step and down again, to the right
    g.wait(2000);
    const std::int16_t right[] = {b.RightWalkFrame, b.RightWalkFrameStep};
    ASSERT_NE(right[1], 0);
    reopen(g, false);
    EXPECT_EQ(b.WalkFrame, left[0]);
    EXPECT_EQ(b.WalkFrameStep, left[1]);
    EXPECT_EQ(b.RightWalkFrame, right[0]);
    EXPECT_EQ(b.RightWalkFrameStep, right[1]);
}
