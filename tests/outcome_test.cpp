#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::Game;

namespace {

using testing_support::oneBlockStage;

void addWinnable(Game& g, int n) { g.addStage(n, oneBlockStage(), "1", "10"); }
void addLosing(Game& g, int n) { g.addStage(n, oneBlockStage(), "1", "1"); }

std::string visible(Game& g) {
    std::string out;
    for (const forms::Control* c : g.program().menu()->visibleButtons()) {
        if (!out.empty()) out += ",";
        out += c->name;
    }
    return out;
}

std::string menuSize(Game& g) {
    const ui::Menu& m = *g.program().menu();
    return std::to_string(static_cast<int>(m.Width)) + "x" +
           std::to_string(static_cast<int>(m.Height));
}

// Checks the two pictures at 2 s and 4 s and the menu at 8 s, counted from now.
void checkTimeLine(Game& g, const std::string& first, const std::string& second,
                   const std::string& timer) {
    const std::string before = g.pic();
    g.wait(1999);
    EXPECT_EQ(g.pic(), before);
    g.wait(1);
    EXPECT_EQ(g.pic(), first);
    EXPECT_EQ(g.timers(), timer + ":2000");
    g.wait(2000);
    EXPECT_EQ(g.pic(), second);
    EXPECT_EQ(g.timers(), timer + ":4000");
    g.wait(3999);
    EXPECT_TRUE(g.gameOpen());
    EXPECT_FALSE(g.menuOpen());
    g.wait(1);
    EXPECT_FALSE(g.gameOpen());
    EXPECT_TRUE(g.menuOpen());
}

}  // namespace

TEST(Outcome, StartPlayToAClearThenStageClearOpensTheNextStage) {
    Game g;
    addWinnable(g, 1);
    addWinnable(g, 2);
    g.setSave("7\r\n");
    g.start();
    ASSERT_TRUE(g.menuOpen());
    EXPECT_FALSE(g.gameOpen());
    EXPECT_EQ(visible(g), "Command1,Command2,Command3");
    EXPECT_EQ(menuSize(g), "4405x4685");

    g.click("menu", "Command1");  // a new game plays stage 1 whatever is saved
    ASSERT_TRUE(g.gameOpen());
    EXPECT_FALSE(g.menuOpen());
    EXPECT_EQ(g.w().StageNo->Caption, "1");
    EXPECT_EQ(g.folder().read("save.bkm"), "7\r\n");

    g.cast(6, 5);
    ASSERT_EQ(g.timers(), "StageClearTimer:2000");
    checkTimeLine(g, "RightNiko(0)", "RightNiko(1)", "StageClearTimer");
    EXPECT_EQ(g.folder().read("save.bkm"), "1\r\n");
    EXPECT_EQ(visible(g), "Command4,Command3");
    EXPECT_EQ(menuSize(g), "4405x3965");
    EXPECT_EQ(g.bas().MenuMode, 0);

    g.click("menu", "Command4");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_FALSE(g.menuOpen());
    EXPECT_EQ(g.w().StageNo->Caption, "2");
    EXPECT_EQ(g.folder().read("save.bkm"), "2\r\n");
    EXPECT_EQ(g.timers(), "-");
}

TEST(Outcome, GameOverFacingLeftThenTryAgainReplaysTheSavedStage) {
    Game g;
    addLosing(g, 3);
    g.load(3);
    g.cast(4, 5);
    ASSERT_EQ(g.timers(), "GameOverTimer:2000");
    checkTimeLine(g, "LeftNaku(0)", "LeftNaku(1)", "GameOverTimer");
    EXPECT_EQ(visible(g), "Command5,Command4,Command3");
    EXPECT_EQ(menuSize(g), "4405x4685");
    EXPECT_EQ(g.folder().read("save.bkm"), "3\r\n");

    g.click("menu", "Command5");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.w().StageNo->Caption, "3");
    EXPECT_EQ(g.w().txtMagic->Text, "2");
    EXPECT_EQ(g.w().txtGreen->Text, "0/1");
    EXPECT_EQ(g.pic(), "LeftWalk(1)");

    // The game-over arrangement was used up: the next menu is the title one.
    g.click("game", "Command3");
    ASSERT_TRUE(g.menuOpen());
    EXPECT_EQ(visible(g), "Command1,Command2,Command3");
}

TEST(Outcome, AClearFacingLeftAndAGameOverFacingRightKeepTheSameTimeLine) {
    {
        Game g;
        addWinnable(g, 1);
        g.load(1);
        g.cast(4, 5);
        checkTimeLine(g, "LeftNiko(0)", "LeftNiko(1)", "StageClearTimer");
        EXPECT_EQ(visible(g), "Command4,Command3");
    }
    {
        Game g;
        addLosing(g, 1);
        g.load(1);
        g.cast(6, 5);
        checkTimeLine(g, "RightNaku(0)", "RightNaku(1)", "GameOverTimer");
        EXPECT_EQ(visible(g), "Command5,Command4,Command3");
    }
}

TEST(Outcome, ASequenceCutShortLeavesItsCounterForTheNextOne) {
    Game g;
    addLosing(g, 1);
    g.load(1);
    g.cast(4, 5);
    g.wait(2000);
    ASSERT_EQ(g.pic(), "LeftNaku(0)");
    g.click("game", "Command1");  // Try Again in the middle of it
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.folder().read("save.bkm"), "1\r\n");

    g.cast(4, 5);
    g.wait(2000);
    EXPECT_EQ(g.pic(), "LeftNaku(1)");  // picks up at the second picture
    g.wait(3999);
    EXPECT_TRUE(g.gameOpen());
    g.wait(1);
    EXPECT_TRUE(g.menuOpen());

    // A sequence that ran to its end starts the next one from the beginning.
    g.click("menu", "Command5");
    g.cast(4, 5);
    g.wait(2000);
    EXPECT_EQ(g.pic(), "LeftNaku(0)");
}

TEST(Flow, ExitFromTheGameWindowThenLoadResumesTheStageExitSaved) {
    Game g;
    addWinnable(g, 1);
    addWinnable(g, 4);
    g.setSave("4\r\n");
    g.start();
    g.click("menu", "Command1");
    g.walkTo(1, 5);
    g.wait(200);
    g.click("game", "Command3");  // even in the middle of a walk
    ASSERT_TRUE(g.menuOpen());
    EXPECT_FALSE(g.gameOpen());
    EXPECT_EQ(visible(g), "Command1,Command2,Command3");
    EXPECT_EQ(g.folder().read("save.bkm"), "1\r\n");

    g.click("menu", "Command2");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.w().StageNo->Caption, "1");
    EXPECT_EQ(g.sprite().Left, 192);
    EXPECT_EQ(g.timers(), "-");
}

TEST(Flow, TheWindowsCloseControlSavesAndEndsTheProgram) {
    Game g;
    addWinnable(g, 3);
    g.load(3);
    g.folder().remove("save.bkm");
    g.program().program().close(ui::MainWindow::kName);
    EXPECT_TRUE(g.program().program().ended());
    EXPECT_FALSE(g.program().program().fatalError().has_value());
    EXPECT_EQ(g.folder().read("save.bkm"), "3\r\n");
}

TEST(Flow, StageClearAfterTheLastStageGoesBackToTheFirst) {
    Game g;
    addWinnable(g, 28);
    addWinnable(g, 1);
    g.load(28);
    g.cast(6, 5);
    g.wait(8000);
    ASSERT_TRUE(g.menuOpen());
    g.click("menu", "Command4");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.folder().read("save.bkm"), "1\r\n");
    EXPECT_EQ(g.w().StageNo->Caption, "1");
}

TEST(Flow, StageClearAfterAGameOverMovesOnWithoutAClear) {
    Game g;
    addLosing(g, 5);
    addWinnable(g, 6);
    g.load(5);
    g.cast(6, 5);
    g.wait(8000);
    g.click("menu", "Command4");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.w().StageNo->Caption, "6");
    EXPECT_EQ(g.folder().read("save.bkm"), "6\r\n");
}

TEST(Flow, AMissingSaveFileIsCreatedAndExitEndsAtOnce) {
    Game g;
    addWinnable(g, 1);
    g.start();
    EXPECT_EQ(g.folder().read("save.bkm"), "1\r\n");
    g.setSave("9\r\n");
    g.click("menu", "Command3");
    EXPECT_TRUE(g.program().program().ended());
    EXPECT_FALSE(g.program().program().fatalError().has_value());
    EXPECT_EQ(g.folder().read("save.bkm"), "9\r\n");
}

TEST(Flow, TwelveTwipsPerPixelSizesTheMenuAndItsButtons) {
    Game g(12.0f);
    addWinnable(g, 1);
    g.start();
    EXPECT_EQ(menuSize(g), "3530x3800");
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
        const forms::Control* b = g.program().menu()->find(name);
        EXPECT_EQ(b->Width, 145) << name;
        EXPECT_EQ(b->Height, 27) << name;
    }
    EXPECT_EQ(visible(g), "Command1,Command2,Command3");
    g.click("menu", "Command1");
    ASSERT_TRUE(g.gameOpen());
    g.cast(6, 5);
    g.wait(8000);
    ASSERT_TRUE(g.menuOpen());
    EXPECT_EQ(menuSize(g), "3530x3000");
    EXPECT_EQ(visible(g), "Command4,Command3");
}

TEST(Flow, ABrokenOrMissingStageFileEndsTheProgramAndLeavesTheSaveAlone) {
    {
        Game g;
        g.setSave("4");
        g.start();
        g.click("menu", "Command2");
        EXPECT_TRUE(g.program().program().ended());
        ASSERT_TRUE(g.program().program().fatalError().has_value());
        EXPECT_NE(g.program().program().fatalError()->find("mmap4.bkm"), std::string::npos);
        EXPECT_EQ(g.folder().read("save.bkm"), "4");
        EXPECT_EQ(g.folder().files(), std::vector<std::string>{"save.bkm"});
    }
    {
        Game g;
        g.addStage(2, oneBlockStage(), "abc", "10");
        g.setSave(" 2 ");
        g.start();
        g.click("menu", "Command5");
        ASSERT_TRUE(g.program().program().fatalError().has_value());
        EXPECT_NE(g.program().program().fatalError()->find("mmap2.bkm line 10"), std::string::npos);
        EXPECT_EQ(g.folder().read("save.bkm"), " 2 ");
    }
    // Try Again on a stage whose file went away meanwhile: the save already
    // holds the stage, and nothing else is written after the failure.
    {
        Game g;
        addWinnable(g, 3);
        g.load(3);
        g.folder().remove("mmap3.bkm");
        g.click("game", "Command1");
        EXPECT_TRUE(g.program().program().ended());
        ASSERT_TRUE(g.program().program().fatalError().has_value());
        EXPECT_EQ(g.folder().read("save.bkm"), "3\r\n");
        EXPECT_FALSE(g.gameOpen());
    }
}
