#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::Game;

namespace {

const std::vector<std::string> kOneBlock = testing_support::oneBlockStage();

// Plays stage n to the end of its outcome sequence; the menu is then open.
void finish(Game& g, int n, bool win) {
    g.addStage(n, kOneBlock, "1", win ? "10" : "1");
    g.load(n);
    g.cast(6, 5);
    g.wait(8000);
    ASSERT_TRUE(g.menuOpen());
}

}  // namespace

// Stage Clear goes back to stage 1 after the last stage only (the game's own
// 28, or a pack's 3): any other stage number, one past the last included,
// simply goes up by one.
TEST(MenuRules, StageClearWrapsOnlyFromTheLastStage) {
    const struct {
        int pack, from, to;  // pack 0: the game's own stages
    } cases[] = {{0, 27, 28}, {0, 28, 1}, {0, 29, 30}, {3, 2, 3}, {3, 3, 1}, {3, 4, 5}};
    for (const auto& [pack, from, to] : cases) {
        SCOPED_TRACE(std::to_string(pack) + ": " + std::to_string(from));
        Game g;
        if (pack > 0) g.makePack(pack);
        g.addStage(to, kOneBlock, "1", "10");
        finish(g, from, false);
        g.click("menu", "Command4");
        ASSERT_TRUE(g.gameOpen());
        EXPECT_EQ(g.w().StageNo->Caption, std::to_string(to));
        EXPECT_EQ(g.folder().read("save.bkm"), std::to_string(to) + "\r\n");
    }
}

// Every screen but one of 96 dots per inch takes the second set of sizes, for
// all three arrangements of the menu.
TEST(MenuRules, ScreensOtherThanNinetySixDpiTakeTheSecondSetOfSizes) {
    for (float twips : {10.0f, 12.0f, 20.0f}) {
        for (bool win : {false, true}) {
            SCOPED_TRACE(std::to_string(twips) + (win ? " clear" : " game over"));
            Game g(twips);
            finish(g, 1, win);
            const ui::Menu& m = *g.program().menu();
            EXPECT_EQ(m.Width, 3530.0f);
            EXPECT_EQ(m.Height, win ? 3000.0f : 3800.0f);
            EXPECT_EQ(m.find("Command5")->Height, 27.0f);
            EXPECT_EQ(g.bas().TwipsPerPixel, twips);
        }
    }
}

// The workshop opens the game window without the menu: it measures the screen
// all the same, so the window takes the sizes the menu's path would give it.
TEST(MenuRules, AGameStartedWithoutTheMenuKnowsTheScreen) {
    for (float twips : {15.0f, 12.0f}) {
        Game throughMenu(twips);
        throughMenu.play(testing_support::oneBlockStage(), "1", "2");
        testing_support::TempFolder folder;
        testing_support::writeStage(folder, 1, testing_support::oneBlockStage(), "1", "2");
        ui::LumoraProgram direct(folder.path(), folder.path(), twips, 1);
        direct.startGame();
        ASSERT_NE(direct.gameWindow(), nullptr);
        EXPECT_EQ(direct.bas().TwipsPerPixel, twips);
        EXPECT_EQ(direct.gameWindow()->Width, throughMenu.win().Width);
        EXPECT_EQ(direct.gameWindow()->Height, throughMenu.win().Height);
    }
}

// Load only reads the save file: it leaves the bytes as they were, even in a
// form the game would not write itself.
TEST(MenuRules, LoadLeavesTheSaveFileAsItWas) {
    Game g;
    g.addStage(4, kOneBlock, "1", "10");
    g.setSave(" 4 ,x");
    g.start();
    g.click("menu", "Command2");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.w().StageNo->Caption, "4");
    EXPECT_EQ(g.folder().read("save.bkm"), " 4 ,x");
}
