// The one script format, the in-game check on files in memory, and the one
// table of cell kinds, each against what the game itself does.

#include "game/replay_script.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "game/files.h"
#include "headless/check.h"
#include "support/fixture.h"

namespace {

std::string shipped(const std::string& name) {
    std::ifstream in(std::string(LUMORA_STAGES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string withoutComments(const std::string& text) {
    std::istringstream in(text);
    std::string out;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') out += line + "\n";
    return out;
}

// Stage n as the game reads it, with its shipped answer and solution.
struct Shipped {
    game::StageDesc desc;
    std::vector<game::ScriptStep> steps;
};
Shipped shippedStage(int n) {
    Shipped s;
    s.desc =
        std::get<game::StageDesc>(game::parseStageText("stage", shipped(game::stageFileName(n))));
    EXPECT_FALSE(game::parseAnswerText("answer", shipped(game::answerFileName(n)), s.desc));
    const game::ScriptRead read =
        game::readScript(shipped("solutions/stage" + std::to_string(n) + ".replay"));
    EXPECT_FALSE(read.error);
    s.steps = read.steps;
    return s;
}

}  // namespace

// Writer and reader agree: every stored solution reads without a fault and
// writes back line for line but for its comments.
TEST(ReplayScript, EveryStoredSolutionWritesBackAsItWasRead) {
    for (int n = 1; n <= game::kStageCount; ++n) {
        SCOPED_TRACE("stage " + std::to_string(n));
        const std::string text = shipped("solutions/stage" + std::to_string(n) + ".replay");
        const game::ScriptRead read = game::readScript(text);
        ASSERT_FALSE(read.error) << read.error->reason;
        EXPECT_EQ(game::writeScript(read.steps), withoutComments(text));
    }
}

// Checks on two threads at once each play on their own files in memory: both
// clear, a cut solution does not, and no folder of theirs reaches the disk.
TEST(InGameCheck, PlaysOnFilesInMemoryOnEachThreadApart) {
    const Shipped a = shippedStage(3), b = shippedStage(17);
    std::optional<std::string> fromA = "not run", fromB = "not run";
    std::thread other([&] { fromB = headless::checkInGame(b.desc, b.steps, 17); });
    fromA = headless::checkInGame(a.desc, a.steps, 3);
    other.join();
    EXPECT_FALSE(fromA) << *fromA;
    EXPECT_FALSE(fromB) << *fromB;

    std::vector<game::ScriptStep> cut(a.steps.begin(), a.steps.begin() + 4);
    EXPECT_TRUE(headless::checkInGame(a.desc, cut, 3));
    EXPECT_FALSE(std::filesystem::exists("/lumora-check"));
    // This thread's file seam is the disk's again.
    EXPECT_TRUE(std::holds_alternative<game::StageDesc>(
        game::readStageFile(LUMORA_STAGES_DIR, game::stageFileName(3))));
}

// Each kind of cell: its letter is read as it and written back, and the game
// window's stock picture for it is the one the table names.
TEST(CellKinds, TheFilesAndTheGameWindowTakeTheirWordsFromTheTable) {
    testing_support::Game g;
    g.play({".........", ".........", ".........", ".........", ".........", ".........",
            ".........", "P........", "KKKKKKKKK"},
           "1", "5");
    const game::GameWindow& w = g.w();
    const forms::Control* stock[] = {nullptr, w.Sand, w.Block, w.Water, w.Wall};
    for (const game::CellInfo& kind : game::kCellKinds) {
        SCOPED_TRACE(std::string(kind.name));
        std::string text = std::string("P") + kind.letter + ".......\r\n";
        for (int r = 2; r <= 9; ++r) text += ".........\r\n";
        text += "0\r\n1\r\n";
        const auto desc = game::parseStageText("stage", text);
        ASSERT_TRUE(std::holds_alternative<game::StageDesc>(desc));
        EXPECT_EQ(std::get<game::StageDesc>(desc).at(2, 1), kind.kind);
        EXPECT_EQ(game::writeStageText(std::get<game::StageDesc>(desc)), text);
        const forms::Control* control = stock[static_cast<std::size_t>(kind.kind)];
        EXPECT_EQ(control ? control->picture.name : std::string(), kind.picture);
    }
}
