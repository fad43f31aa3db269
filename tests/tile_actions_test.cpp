#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::cell;
using testing_support::Game;
using testing_support::onFloor;

namespace {

// Loads a stage, right-clicks the given neighbours of the character in turn and
// reports the timers that run afterwards.
std::string outcomeAfter(const std::vector<std::string>& top, const std::string& target,
                         const std::string& budget, const std::vector<std::pair<int, int>>& casts) {
    Game g;
    g.play(onFloor(4, top), target, budget);
    for (auto [c, r] : casts) g.cast(c, r);
    return g.timers();
}

}  // namespace

TEST(Casting, EachKindOfCellWithItsCostAndTheFacingItLeaves) {
    Game g;
    g.play(onFloor(4, {"....B....", "...WPS..."}), "9", "20");
    ui::GameWindow& w = g.w();
    ASSERT_EQ(w.txtMagic->Text, "21");
    ASSERT_EQ(w.txtGreen->Text, "1/9");
    ASSERT_EQ(w.txtStone->Text, "1");

    g.cast(6, 5);  // sand: +8, facing right
    EXPECT_EQ(w.txtMagic->Text, "29");
    EXPECT_TRUE(w.Tile[cell(6, 5)]->picture.empty());
    EXPECT_EQ(g.bas().SolidGrid[6][5], 0);
    EXPECT_EQ(g.bas().FacingRight, 1);
    EXPECT_EQ(g.pic(), "RightWalk(1)");

    g.cast(5, 4);  // block above: +1, facing kept
    EXPECT_EQ(w.txtMagic->Text, "30");
    EXPECT_EQ(w.txtGreen->Text, "0/9");
    EXPECT_TRUE(w.Tile[cell(5, 4)]->picture.empty());
    EXPECT_EQ(g.pic(), "RightWalk(1)");

    g.cast(4, 5);  // water: -2, facing left
    EXPECT_EQ(w.txtMagic->Text, "28");
    EXPECT_EQ(w.txtStone->Text, "0");
    EXPECT_TRUE(w.Tile[cell(4, 5)]->picture.empty());
    EXPECT_EQ(g.bas().FacingLeft, 1);
    EXPECT_EQ(g.bas().FacingRight, 0);
    EXPECT_EQ(g.pic(), "LeftWalk(1)");

    g.cast(5, 4);  // empty above: a block for 2
    EXPECT_EQ(w.txtMagic->Text, "26");
    EXPECT_EQ(w.txtGreen->Text, "1/9");
    EXPECT_EQ(w.Tile[cell(5, 4)]->picture.name, "Block");
    EXPECT_EQ(g.bas().SolidGrid[5][4], 1);

    g.cast(5, 6);  // the wall below: nothing changes, no fall
    EXPECT_EQ(w.txtMagic->Text, "26");
    EXPECT_EQ(w.Tile[cell(5, 6)]->picture.name, "Wall");
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.pic(), "LeftWalk(1)");

    g.cast(6, 4);  // a diagonal neighbour only records the click
    EXPECT_EQ(w.Text4->Text, "6");
    EXPECT_EQ(w.Text5->Text, "4");
    EXPECT_EQ(w.txtMagic->Text, "26");
    EXPECT_TRUE(w.Tile[cell(6, 4)]->picture.empty());
    EXPECT_EQ(g.board(),
              ".........\n.........\n.........\n....B....\n.........\n"
              "KKKKKKKKK\nKKKKKKKKK\nKKKKKKKKK\nKKKKKKKKK\n");
}

TEST(Casting, AWallOnTheRightStillTurnsTheCharacter) {
    Game g;
    g.play(onFloor(4, {"....PK..."}), "9", "20");
    g.cast(6, 5);
    EXPECT_EQ(g.pic(), "RightWalk(1)");
    EXPECT_EQ(g.w().txtMagic->Text, "21");
}

TEST(Casting, TakingAwayTheBlockUnderfootDropsTheCharacter) {
    Game g;
    g.play({".........", ".........", ".........", "....P....", "....B....", ".........",
            "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"},
           "9", "20");
    g.down(cell(5, 5), 2);
    EXPECT_EQ(g.timers(), "FallTimer:100");
    EXPECT_EQ(g.w().txtMagic->Text, "22");
    g.up(cell(5, 5), 2);
    g.wait(200);
    // A second right click below while falling casts nothing.
    g.cast(5, 5);
    EXPECT_EQ(g.w().txtMagic->Text, "22");
    EXPECT_TRUE(g.w().Tile[cell(5, 5)]->picture.empty());
    EXPECT_EQ(g.timers(), "FallTimer:100");
    g.wait(600);
    EXPECT_EQ(g.sprite().Top, 240);
    EXPECT_EQ(g.timers(), "-");
}

TEST(Casting, RunningOutOfMagicLosesTheStage) {
    // A correct last block placed with exactly its cost left.
    {
        Game g;
        g.play(onFloor(4, {"....P...."}), "1", "1");
        g.cast(6, 5);
        EXPECT_EQ(g.w().txtMagic->Text, "0");
        EXPECT_EQ(g.w().txtGreen->Text, "1/1");
        EXPECT_EQ(g.timers(), "GameOverTimer:2000");
    }
    // Water cleared with the last 2 points: the cell is still cleared.
    {
        Game g;
        g.play(onFloor(4, {"...WP...."}), "5", "1");
        g.cast(4, 5);
        EXPECT_EQ(g.w().txtMagic->Text, "0");
        EXPECT_EQ(g.w().txtStone->Text, "0");
        EXPECT_TRUE(g.w().Tile[cell(4, 5)]->picture.empty());
        EXPECT_EQ(g.timers(), "GameOverTimer:2000");
    }
    // Sand with 1 point left gives 9, and play goes on.
    {
        Game g;
        g.play(onFloor(4, {"....PS..."}), "5", "0");
        g.cast(6, 5);
        EXPECT_EQ(g.w().txtMagic->Text, "9");
        EXPECT_EQ(g.timers(), "-");
    }
}

TEST(Casting, MagicStopsAtItsUpperLimit) {
    Game g;
    g.play(onFloor(4, {"....PS..."}), "5", "32766");
    ASSERT_EQ(g.w().txtMagic->Text, "32767");
    g.cast(6, 5);  // sand's +8 cannot pass the limit
    EXPECT_EQ(g.w().txtMagic->Text, "32767");
    EXPECT_EQ(g.timers(), "-");
    g.cast(6, 5);  // a block costs 2 from there
    EXPECT_EQ(g.w().txtMagic->Text, "32765");
}

TEST(GoalCheck, ExactTargetWithNoTouchingBlocksAndNoWaterClears) {
    // A block at the board's far corner has no neighbours beyond the edge.
    EXPECT_EQ(outcomeAfter({"........B", "....P...."}, "2", "10", {{6, 5}}),
              "StageClearTimer:2000");
    EXPECT_EQ(outcomeAfter({"B........", "....P...."}, "2", "10", {{5, 4}}),
              "StageClearTimer:2000");
}

TEST(GoalCheck, TouchingBlocksOrWaterLeftLose) {
    EXPECT_EQ(outcomeAfter({".....B...", "....P...."}, "2", "10", {{6, 5}}),
              "GameOverTimer:2000");  // one above the other
    EXPECT_EQ(outcomeAfter({"....P.B.."}, "2", "10", {{6, 5}}),
              "GameOverTimer:2000");  // side by side
    EXPECT_EQ(outcomeAfter({"W........", "....P...."}, "1", "10", {{6, 5}}), "GameOverTimer:2000");
}

TEST(GoalCheck, MoreBlocksThanTheTargetWaitForTheCastThatReachesIt) {
    Game g;
    g.play(onFloor(4, {"B.B......", "....PB..."}), "2", "10");
    g.cast(5, 4);  // four blocks, two of them touching: no check yet
    EXPECT_EQ(g.timers(), "-");
    g.cast(5, 4);
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.w().txtGreen->Text, "3/2");
    g.cast(6, 5);
    EXPECT_EQ(g.w().txtGreen->Text, "2/2");
    EXPECT_EQ(g.timers(), "StageClearTimer:2000");
}

TEST(GoalCheck, TargetZeroIsJudgedOnEveryCastEvenOnAWall) {
    EXPECT_EQ(outcomeAfter({"....PK..."}, "0", "10", {{6, 5}}), "StageClearTimer:2000");
    EXPECT_EQ(outcomeAfter({"W........", "....PK..."}, "0", "10", {{6, 5}}), "GameOverTimer:2000");
}

TEST(Clicks, RightClicksAreIgnoredWhileWalking) {
    Game g;
    g.play(onFloor(4, {"....P...."}), "5", "10");
    g.walkTo(1, 5);
    g.wait(100);
    g.cast(6, 5);
    g.cast(4, 5);
    EXPECT_EQ(g.w().txtMagic->Text, "11");
    EXPECT_EQ(g.board().substr(40, 9), ".........");
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100");
    EXPECT_EQ(g.bas().FacingLeft, 1);
}

TEST(Clicks, OtherButtonsOnlyRecordTheClick) {
    Game g;
    g.play(onFloor(4, {"....P...."}), "5", "10");
    g.tap(cell(6, 5), 4);
    g.tap(cell(1, 5), 3);
    EXPECT_EQ(g.w().Text4->Text, "1");
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.w().txtMagic->Text, "11");
}

TEST(Clicks, EveryClickIsIgnoredOnceTheStageIsDecided) {
    Game g;
    g.play(onFloor(4, {"....P...."}), "1", "1");
    g.cast(6, 5);
    ASSERT_EQ(g.timers(), "GameOverTimer:2000");
    g.walkTo(1, 5);
    g.cast(4, 5);
    EXPECT_EQ(g.w().Text4->Text, "6");
    EXPECT_EQ(g.timers(), "GameOverTimer:2000");
    EXPECT_EQ(g.w().txtGreen->Text, "1/1");
    EXPECT_EQ(g.pic(), "RightWalk(1)");
}

// Whatever the cast, a wall included, magic that has dropped below 1 shows as
// 0 and loses the stage; a cost taken at the counter's lower limit stays there
// instead of wrapping round to a fortune.
TEST(Casting, MagicBelowOneShowsZeroAndLoses) {
    struct Case {
        const char* row;
        const char* budget;
        const char* before;
    };
    for (const Case k : {Case{"....PK...", "-5", "-4"}, Case{"....P....", "0", "1"},
                         Case{"....P....", "-32769", "-32768"}}) {
        SCOPED_TRACE(k.budget);
        Game g;
        g.play(onFloor(4, {k.row}), "5", k.budget);
        ASSERT_EQ(g.w().txtMagic->Text, k.before);
        g.cast(6, 5);
        EXPECT_EQ(g.w().txtMagic->Text, "0");
        EXPECT_EQ(g.bas().MagicCount, 0);
        EXPECT_EQ(g.timers(), "GameOverTimer:2000");
    }
}
