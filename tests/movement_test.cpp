#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::cell;
using testing_support::Game;
using testing_support::onFloor;

namespace {

struct Tick {
    float left;
    float top;
    std::string pic;
    bool operator==(const Tick&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tick& t) {
    return os << "(" << t.left << ", " << t.top << ", " << t.pic << ")";
}

// Advances the clock one 100 ms tick at a time and records what the player sees.
std::vector<Tick> ticks(Game& g, int n) {
    std::vector<Tick> out;
    for (int i = 0; i < n; ++i) {
        g.wait(100);
        out.push_back({g.sprite().Left, g.sprite().Top, g.pic()});
    }
    return out;
}

std::vector<std::string> pics(const std::vector<Tick>& ts) {
    std::vector<std::string> out;
    for (const Tick& t : ts) out.push_back(t.pic);
    return out;
}

const std::vector<std::string> kFlatFloor = onFloor(3, {"....P...."});

}  // namespace

TEST(Walking, TwoColumnsLeftTakesEightStepsAndStopsOnTheNinthTick) {
    Game g;
    g.play(kFlatFloor, "5", "10");
    g.walkTo(3, 6);
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100");
    EXPECT_EQ(g.w().Text6->Text, "左向き");

    auto seen = ticks(g, 9);
    const std::vector<Tick> expected = {
        {180, 240, "LeftWalk(1)"}, {168, 240, "LeftWalk(2)"}, {156, 240, "LeftWalk(1)"},
        {144, 240, "LeftWalk(0)"}, {132, 240, "LeftWalk(1)"}, {120, 240, "LeftWalk(2)"},
        {108, 240, "LeftWalk(1)"}, {96, 240, "LeftWalk(0)"},  {96, 240, "LeftWalk(1)"}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.bas().PlayerCol, 3);
    EXPECT_EQ(g.bas().PlayerRow, 6);
}

TEST(Walking, FrameSequenceCarriesOverBetweenWalks) {
    Game g;
    g.play(kFlatFloor, "5", "10");

    g.walkTo(4, 6);  // 1, 2, 1, 0 and the arrival tick moves on to 1
    auto first = ticks(g, 5);
    EXPECT_EQ(pics(first), (std::vector<std::string>{"LeftWalk(1)", "LeftWalk(2)", "LeftWalk(1)",
                                                     "LeftWalk(0)", "LeftWalk(1)"}));

    g.walkTo(5, 6);  // the right-hand frames keep a count of their own
    EXPECT_EQ(g.w().Text6->Text, "右向き");
    auto right = ticks(g, 5);
    EXPECT_EQ(pics(right), (std::vector<std::string>{"RightWalk(1)", "RightWalk(2)", "RightWalk(1)",
                                                     "RightWalk(0)", "RightWalk(1)"}));
    EXPECT_EQ(g.sprite().Left, 192);

    g.walkTo(4, 6);  // the left frames go on from 1 upwards, not from the start
    auto second = ticks(g, 4);
    EXPECT_EQ(pics(second), (std::vector<std::string>{"LeftWalk(2)", "LeftWalk(1)", "LeftWalk(0)",
                                                      "LeftWalk(1)"}));
    g.wait(100);
    EXPECT_EQ(g.pic(), "LeftWalk(1)");
    EXPECT_EQ(g.timers(), "-");
}

TEST(Walking, StepsOffALedgeFallsAndWalksOn) {
    Game g;
    g.play(onFloor(3, {"....P....", "....KKKKK"}), "5", "10");
    g.walkTo(2, 5);
    g.wait(400);
    EXPECT_EQ(g.sprite().Left, 144);  // on column 4, nothing below

    g.wait(100);
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100,FallTimer:100");
    std::string before = g.pic();
    auto falling = ticks(g, 4);
    for (const Tick& t : falling) EXPECT_EQ(t.left, 144);  // the walk waits for the landing
    EXPECT_EQ(falling.back().top, 240);
    EXPECT_NE(falling.front().pic, before);  // but the legs keep moving
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100");
    EXPECT_EQ(g.bas().PlayerRow, 6);

    auto walking = ticks(g, 9);
    EXPECT_EQ(walking.front().left, 132);
    EXPECT_EQ(walking.back(), (Tick{48, 240, "LeftWalk(1)"}));
    EXPECT_EQ(g.timers(), "-");
}

namespace {

// A climb onto a one-cell step right next to the character, clicked on the
// step's own column.
void checkClimb(int dir) {
    const char* side = dir < 0 ? "Left" : "Right";
    Game g;
    std::string row6 = dir < 0 ? "...KP...." : "....PK...";
    g.play(onFloor(3, {row6}), "5", "10");
    g.walkTo(5 + dir, 6);
    g.wait(100);
    const std::string jumpTimer = std::string(side) + "JumpTimer";
    const std::string walkTimer = std::string(side) + "WalkTimer:100";
    EXPECT_EQ(g.timers(), walkTimer + "," + jumpTimer + ":100");
    EXPECT_EQ(g.sprite().Left, 192);

    auto jump = [&](int i) { return std::string(side) + "Jump(" + std::to_string(i) + ")"; };
    struct Step {
        int at;
        float dx;
        float top;
        int pic;
        int interval;
    };
    // Ticks at 100, 200, 500, 700, 1100, 1200, 1300 and 1400 ms into the climb.
    const Step steps[] = {
        {200, 0, 240, 1, 100},   {300, 0, 240, 2, 300},   {599, 0, 240, 2, 300},
        {600, 0, 216, 3, 200},   {800, 0, 192, 4, 400},   {1199, 0, 192, 4, 400},
        {1200, 12, 192, 3, 100}, {1300, 24, 192, 2, 100}, {1400, 36, 192, 1, 100}};
    for (const Step& s : steps) {
        g.wait(s.at - g.now());
        SCOPED_TRACE(side + std::string(" climb at ") + std::to_string(s.at));
        EXPECT_EQ(g.sprite().Left, 192 + dir * s.dx);
        EXPECT_EQ(g.sprite().Top, s.top);
        EXPECT_EQ(g.pic(), jump(s.pic));  // the walk timer changes no picture meanwhile
        EXPECT_EQ(g.timers(), walkTimer + "," + jumpTimer + ":" + std::to_string(s.interval));
        if (s.at == 600) {
            EXPECT_EQ(g.bas().OnRow, 0);
        }
        if (s.at == 800) {
            EXPECT_EQ(g.bas().PlayerRow, 5);
        }
        if (s.at == 1200) {
            EXPECT_EQ(g.bas().OnColumn, 0);
        }
    }
    g.wait(100);
    EXPECT_EQ(g.sprite().Left, 192 + dir * 48);
    EXPECT_EQ(g.sprite().Top, 192);
    EXPECT_EQ(g.bas().PlayerCol, 5 + dir);
    EXPECT_EQ(g.bas().PlayerRow, 5);
    EXPECT_EQ(g.pic(), jump(0));
    EXPECT_EQ(g.timers(), walkTimer);
    forms::Timer& timer = dir < 0 ? *g.w().LeftJumpTimer : *g.w().RightJumpTimer;
    EXPECT_EQ(timer.Interval(), 100);

    g.wait(100);  // the walk sees it has arrived
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.pic(), std::string(side) + "Walk(1)");
}

}  // namespace

TEST(Climbing, LeftAndRightRiseOneCellThenStepAcross) {
    checkClimb(-1);
    checkClimb(+1);
}

TEST(Walking, BlockedWalkMarchesOnTheSpotUntilItsOwnColumnIsClicked) {
    Game g;
    // A step two cells high: no climb.
    g.play(onFloor(3, {"...K.....", "...KP...."}), "5", "10");
    g.walkTo(1, 6);
    auto marching = ticks(g, 20);
    for (const Tick& t : marching) EXPECT_EQ(t.left, 192);
    EXPECT_EQ(pics(marching)[0], "LeftWalk(1)");
    EXPECT_EQ(pics(marching)[1], "LeftWalk(2)");
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100");
    EXPECT_EQ(g.bas().CanJumpLeft, 0);

    g.walkTo(5, 2);                     // any row of its own column
    EXPECT_EQ(g.pic(), "LeftWalk(1)");  // the release shows the standing picture at once
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100");
    g.wait(100);
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.pic(), "LeftWalk(1)");
    EXPECT_EQ(g.sprite().Left, 192);
}

TEST(Climbing, ClickDuringTheClimbOnlyMovesTheTarget) {
    Game g;
    g.play(onFloor(3, {"..KKP...."}), "5", "10");
    g.walkTo(1, 6);
    g.wait(300);  // climbing: phase 2 done
    ASSERT_EQ(g.timers(), "LeftWalkTimer:100,LeftJumpTimer:300");

    g.down(cell(3, 4), 1);
    EXPECT_EQ(g.bas().ClickCol, 3);
    EXPECT_EQ(g.bas().ClickRow, 4);
    EXPECT_EQ(g.w().Text4->Text, "3");
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100,LeftJumpTimer:300");
    g.up(cell(3, 4), 1);
    EXPECT_EQ(g.pic(), "LeftWalk(1)");  // until the next jump tick
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100,LeftJumpTimer:300");
    g.wait(300);
    EXPECT_EQ(g.pic(), "LeftJump(3)");

    g.wait(3000);
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.sprite().Left, 96);  // column 3, on top of the step
    EXPECT_EQ(g.sprite().Top, 192);
}

TEST(Falling, TwoCellsTakeEightTicksWithTheStandingPicture) {
    Game g;
    g.play(onFloor(3, {"....P....", "....B....", "........."}), "5", "10");
    g.cast(5, 5);
    EXPECT_EQ(g.timers(), "FallTimer:100");
    auto fall = ticks(g, 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(fall[static_cast<std::size_t>(i)].top, 144 + 12 * (i + 1));
        EXPECT_EQ(fall[static_cast<std::size_t>(i)].pic, "LeftWalk(1)");
        EXPECT_EQ(fall[static_cast<std::size_t>(i)].left, 192);
    }
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.bas().PlayerRow, 6);
}

TEST(Edges, TheBoardEndsBelowRowNineAndRightOfColumnNine) {
    Game g;
    // Nothing lies under row 9 and nothing right of column 9 but the edge.
    g.play({".........", ".........", ".........", ".........", ".........", ".........",
            ".........", "......P..", "KKKKKB..."},
           "5", "10");
    g.cast(7, 9);  // an empty cell below: a block, standing on it
    ASSERT_EQ(g.timers(), "-");
    g.cast(7, 9);  // and away again: down into row 9, where the fall must end
    g.wait(1000);
    EXPECT_EQ(g.sprite().Top, 384);
    EXPECT_EQ(g.timers(), "-");

    g.walkTo(9, 9);
    g.wait(150);  // halfway to column 8, then turn the target back behind it
    g.walkTo(7, 9);
    EXPECT_EQ(g.timers(), "RightWalkTimer:100");
    g.wait(2000);
    // It walks on to column 9 and marches there against the edge.
    EXPECT_EQ(g.sprite().Left, 384);
    EXPECT_EQ(g.sprite().Top, 384);
    EXPECT_EQ(g.timers(), "RightWalkTimer:100");
}

TEST(Walking, AClickOnTheOtherSideTurnsBackAtOnceMidStep) {
    Game g;
    g.play(kFlatFloor, "5", "10");
    g.walkTo(1, 6);
    g.wait(200);
    ASSERT_EQ(g.sprite().Left, 168);
    g.walkTo(8, 6);
    EXPECT_EQ(g.timers(), "RightWalkTimer:100");
    EXPECT_EQ(g.bas().FacingRight, 1);
    auto back = ticks(g, 2);
    EXPECT_EQ(back[0].left, 180);
    EXPECT_EQ(back[1].left, 192);
    g.wait(1300);
    EXPECT_EQ(g.sprite().Left, 336);
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.pic(), "RightWalk(1)");
}

TEST(Walking, LeavingColumnOneWithItsClickBehindWalksOffTheBoardUntilCalledBack) {
    Game g;
    g.play(onFloor(3, {".P......."}), "5", "10");
    g.walkTo(1, 6);
    g.wait(100);
    g.walkTo(2, 6);  // the column it is just leaving
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100");
    g.wait(1000);
    EXPECT_EQ(g.sprite().Left, -84);
    EXPECT_EQ(g.bas().PlayerCol, 1);
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100");

    g.walkTo(3, 6);
    g.wait(2000);
    EXPECT_EQ(g.sprite().Left, 96);
    EXPECT_EQ(g.timers(), "-");
}

TEST(Probes, CellAndNeighboursFromPixelPositions) {
    Game g;
    g.play(onFloor(3, {"K........", "K........", ".........", "....P....", "KKKKK.KKK"}), "5",
           "10");
    game::LumoraBas& b = g.bas();
    ui::MainWindow& win = g.win();
    forms::Control& s = g.sprite();

    s.Left = 48;
    win.UpdatePlayerCell();
    EXPECT_EQ(b.PlayerCol, 2);
    EXPECT_EQ(b.OnColumn, 1);
    s.Left = 60;
    win.UpdatePlayerCell();
    EXPECT_EQ(b.PlayerCol, 2);
    EXPECT_EQ(b.OnColumn, 0);
    s.Left = -12;
    win.UpdatePlayerCell();
    EXPECT_EQ(b.PlayerCol, 2);
    EXPECT_EQ(b.OnColumn, 0);

    // Between rows 3 and 4 the left probe judges by the rows it overlaps:
    // column 1 holds walls in rows 2 and 3 only.
    b.PlayerCol = 2;
    b.PlayerRow = 3;
    b.OnRow = 0;
    b.ClickCol = 9;
    s.Top = 108;  // moving down: rows 3 and 4
    win.ProbeLeft();
    EXPECT_EQ(b.CanWalkLeft, 0);
    b.PlayerRow = 4;
    s.Top = 156;  // rows 4 and 5, both free
    win.ProbeLeft();
    EXPECT_EQ(b.CanWalkLeft, 1);
    b.PlayerRow = 2;
    s.Top = 36;  // moving up past row 1: rows 1 and 2
    win.ProbeLeft();
    EXPECT_EQ(b.CanWalkLeft, 0);

    // Arrival stops both walks even with the way free.
    b.PlayerRow = 5;
    b.OnRow = 1;
    b.PlayerCol = 5;
    b.ClickCol = 5;
    g.w().LeftWalkTimer->setEnabled(true);
    g.w().RightWalkTimer->setEnabled(true);
    win.ProbeLeft();
    EXPECT_EQ(b.CanWalkLeft, 0);
    EXPECT_EQ(b.CanWalkRight, 0);
    EXPECT_EQ(g.timers(), "-");

    // A free cell to the left: the jump flag keeps what it held.
    b.ClickCol = 1;
    b.CanJumpLeft = 1;
    win.ProbeLeftJump();
    EXPECT_EQ(b.CanWalkLeft, 1);
    EXPECT_EQ(b.CanJumpLeft, 1);

    // Between columns 5 and 6 the fall test wants both cells below free.
    b.PlayerCol = 5;
    b.PlayerRow = 5;
    b.OnColumn = 0;
    s.Left = 204;
    win.ProbeBelow();
    EXPECT_EQ(b.CanFall, 0);  // column 5 has its floor
    b.PlayerCol = 6;
    s.Left = 240;
    b.OnColumn = 1;
    win.ProbeBelow();
    EXPECT_EQ(b.CanFall, 1);  // column 6 has none
    // Coming back from column 6 towards 5 it wants both as well.
    b.OnColumn = 0;
    s.Left = 228;
    win.ProbeBelow();
    EXPECT_EQ(b.CanFall, 0);
}
