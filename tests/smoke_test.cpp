#include "support/fixture.h"

using testing_support::Game;

TEST(Smoke, WalksTwoColumnsLeft) {
    Game g;
    g.addStage(
        1,
        {".........", ".........", ".........", ".........", ".........", "....P....", "KKKKKKKKK"},
        "1", "10");
    g.load(1);
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.sprite().Left, 192);
    g.walkTo(3, 6);
    g.wait(900);
    EXPECT_EQ(g.sprite().Left, 96);
    EXPECT_EQ(g.timers(), "-");
}
