#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::cell;
using testing_support::Game;
using testing_support::onFloor;

namespace {

// The character on (5, 4) over a block, with nothing under the block but air
// down to the floor: casting the block away drops it two rows.
const std::vector<std::string> kLedge = onFloor(3, {"....P....", "....B....", "........."});

}  // namespace

// Tile(0) counts as column 9 and keeps the row of the click before; the
// neighbour tests compare column and row, so the end of one row is no
// neighbour of the start of the next.
TEST(ClickRules, TileZeroIsColumnNineAndNeighboursDoNotWrap) {
    {
        Game g;
        g.play(onFloor(3, {".......P."}), "5", "10");
        g.tap(cell(8, 6), 1);  // its own column: only the row is taken
        g.tap(0, 2);
        EXPECT_EQ(g.w().Text4->Text, "9");
        EXPECT_EQ(g.w().Text5->Text, "6");
        EXPECT_EQ(g.bas().BlockGrid[9][6], 1);
        EXPECT_EQ(g.pic(), "RightWalk(1)");
    }
    struct Case {
        const char* row5;
        const char* row6;
        int c, r;  // the cell next to the character's in index order only
    };
    for (const Case k :
         {Case{".........", "P........", 9, 5}, Case{"........P", ".........", 1, 6}}) {
        SCOPED_TRACE(std::string(k.row5) + "/" + k.row6);
        Game g;
        g.play(onFloor(3, {k.row5, k.row6}), "5", "10");
        const std::string before = g.board();
        g.cast(k.c, k.r);
        EXPECT_EQ(g.board(), before);
        EXPECT_EQ(g.w().txtMagic->Text, "11");
    }
}

// A climb needs the cell above the character free as well as the one above
// the step; without it the walk marches on the spot.
TEST(ClickRules, NoClimbUnderASolidCell) {
    for (int dir : {-1, 1}) {
        SCOPED_TRACE(dir);
        Game g;
        g.play(onFloor(3, {"....K....", "...KPK..."}), "5", "10");
        g.walkTo(5 + dir, 6);
        g.wait(1500);
        EXPECT_EQ(g.sprite().Left, 192.0f);
        EXPECT_EQ(g.sprite().Top, 240.0f);
        EXPECT_EQ(g.timers(), dir < 0 ? "LeftWalkTimer:100" : "RightWalkTimer:100");
    }
}

// A left click is taken while falling: the walk waits on the spot for the
// landing and then goes.
TEST(ClickRules, ALeftClickWhileFallingWalksAfterTheLanding) {
    Game g;
    g.play(kLedge, "5", "10");
    g.cast(5, 5);
    ASSERT_EQ(g.timers(), "FallTimer:100");
    g.wait(150);
    g.walkTo(3, 6);
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100,FallTimer:100");
    for (int t = 200; t <= 800; t += 50) {
        g.wait(50);
        EXPECT_EQ(g.sprite().Left, 192.0f) << "at " << t << " ms";
    }
    EXPECT_EQ(g.sprite().Top, 240.0f);  // landed, and not a step taken yet
    g.wait(1000);
    EXPECT_EQ(g.sprite().Left, 96.0f);
    EXPECT_EQ(g.timers(), "-");
}

// During a climb a left click on the other side only moves the target: the
// climb's walk keeps its direction and goes on that way afterwards.
TEST(ClickRules, AClickBehindAClimbDoesNotTurnIt) {
    Game g;
    g.play(onFloor(3, {".........", "...KP...."}), "5", "10");
    g.walkTo(4, 6);
    g.wait(300);
    ASSERT_EQ(g.timers(), "LeftWalkTimer:100,LeftJumpTimer:300");
    g.walkTo(8, 6);
    EXPECT_EQ(g.bas().ClickCol, 8);
    EXPECT_EQ(g.bas().FacingLeft, 1);
    EXPECT_EQ(g.w().Text6->Text, "左向き");
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100,LeftJumpTimer:300");
    g.wait(1600);
    EXPECT_LT(g.sprite().Left, 144.0f);
    EXPECT_EQ(g.timers().rfind("LeftWalkTimer:100", 0), 0u);
}

// Once the stage is decided the board is frozen for mouse-ups too: a release
// puts no standing picture over the outcome's.
TEST(ClickRules, MouseUpIsIgnoredDuringAnOutcome) {
    Game g;
    g.play(onFloor(3, {"....P...."}), "1", "1");
    g.cast(6, 6);
    g.wait(2000);
    ASSERT_EQ(g.pic(), "RightNaku(0)");
    g.up(cell(4, 6), 1);
    g.tap(cell(6, 5), 2);
    EXPECT_EQ(g.pic(), "RightNaku(0)");
}

// A cast that decides the stage while dropping the character does not stop
// the fall: it lands while the outcome plays.
TEST(ClickRules, ADecidedStageLetsAFallFinish) {
    Game g;
    g.play(onFloor(3, {"B........", ".........", "....P....", "....B....", "........."}), "1",
           "10");
    g.cast(5, 5);  // two blocks down to the target of one
    ASSERT_EQ(g.timers(), "FallTimer:100,StageClearTimer:2000");
    g.wait(1000);
    EXPECT_EQ(g.sprite().Top, 240.0f);
    EXPECT_EQ(g.timers(), "StageClearTimer:2000");
    g.wait(1000);
    EXPECT_EQ(g.pic(), "LeftNiko(0)");
}
