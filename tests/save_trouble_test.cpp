#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::TempFolder;

namespace {

// Stages 1 and 2, each cleared by one block cast to the right of the
// character, read from one folder while the save is kept in another.
class SaveTrouble : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n : {1, 2})
            testing_support::writeStage(stages, n, testing_support::oneBlockStage(), "1", "10");
    }

    void start(const std::string& saveFolder) {
        game = std::make_unique<ui::LumoraProgram>(stages.path(), saveFolder, 15.0f);
        game->start();
    }
    forms::Program& program() { return game->program(); }
    void click(const std::string& form, const std::string& button) {
        program().click(form, button);
    }
    std::string stageShown() { return game->gameWindow()->controls().StageNo->Caption; }

    // Clears the open stage and presses Stage Clear on the menu that follows.
    void clearAndGoOn() {
        program().mouseDown(ui::MainWindow::kName, "Tile", 9 * 4 + 6, 2);
        program().mouseUp(ui::MainWindow::kName, "Tile", 9 * 4 + 6, 2);
        program().advance(8000);
        ASSERT_NE(game->menu(), nullptr);
        click(ui::Menu::kName, "Command4");
    }

    TempFolder stages;
    std::unique_ptr<ui::LumoraProgram> game;
};

}  // namespace

// A save folder that cannot be made, even by root: the player is told once,
// with the save's full path and the reason, and the game goes on from stage to
// stage on what it holds in memory.
TEST_F(SaveTrouble, ASaveThatCannotBeMadeIsToldOnceAndPlayGoesOn) {
    stages.write("blocker", "");
    const std::string saveFolder = stages.path() + "/blocker/lumora";
    start(saveFolder);
    ASSERT_NE(game->menu(), nullptr);
    std::vector<std::string> told = program().takeMessages();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind("save.bkm: cannot write " + saveFolder + "/save.bkm (", 0), 0u)
        << told[0];
    EXPECT_NE(told[0].find("Not a directory"), std::string::npos) << told[0];

    click(ui::Menu::kName, "Command2");  // Load: the first game is stage 1
    ASSERT_NE(game->gameWindow(), nullptr);
    EXPECT_EQ(stageShown(), "1");
    clearAndGoOn();
    ASSERT_NE(game->gameWindow(), nullptr);
    EXPECT_EQ(stageShown(), "2");

    click(ui::MainWindow::kName, "Command3");  // Exit, then Load resumes stage 2
    click(ui::Menu::kName, "Command2");
    ASSERT_NE(game->gameWindow(), nullptr);
    EXPECT_EQ(stageShown(), "2");
    EXPECT_FALSE(program().fatalError());
    EXPECT_TRUE(program().takeMessages().empty());
    EXPECT_EQ(stages.read("blocker"), "");
}

// The player's own save in a folder that turned read-only stays byte for byte
// as it was, and nothing else appears beside it.
TEST_F(SaveTrouble, AReadOnlySaveFolderKeepsTheSaveAsItWas) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder saves;
    saves.write("save.bkm", "1\r\n");
    ASSERT_EQ(chmod(saves.path().c_str(), 0555), 0);
    start(saves.path());
    click(ui::Menu::kName, "Command2");
    clearAndGoOn();
    ASSERT_NE(game->gameWindow(), nullptr);
    EXPECT_EQ(stageShown(), "2");
    std::vector<std::string> told = program().takeMessages();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind(
                  "save.bkm: cannot write " + saves.path() + "/save.bkm (Permission denied)", 0),
              0u)
        << told[0];
    chmod(saves.path().c_str(), 0755);
    EXPECT_EQ(saves.files(), std::vector<std::string>{"save.bkm"});
    EXPECT_EQ(saves.read("save.bkm"), "1\r\n");
}
