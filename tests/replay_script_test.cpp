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

    // The outcome is the game's, not a printout's: without its last "show"
    // the solution still clears, without its last cast it does not.
    ASSERT_EQ(a.steps.back().kind, game::ScriptStep::Kind::Show);
    std::vector<game::ScriptStep> cut(a.steps.begin(), a.steps.end() - 1);
    const headless::InGame shown = headless::playSolution(a.desc, cut, 3);
    EXPECT_TRUE(shown.cleared) << shown.output;
    EXPECT_EQ(shown.board, headless::answerBoard(a.desc));
    EXPECT_EQ(shown.magic, 1);  // "magic 3 to 1"
    cut.pop_back();
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
    const ui::GameWindow& w = g.w();
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

// The reader's grammar line by line: what it takes, as which step, and what
// it refuses, naming the line. Bounds are taken at and one past their ends.
TEST(ReplayScript, TakesEachLineTheGrammarAllowsAndRefusesTheRest) {
    using Kind = game::ScriptStep::Kind;
    const struct {
        const char* text;
        bool taken;
        Kind kind = Kind::Wait;
        long number = 0;
    } lines[] = {
        {"wait 0", true, Kind::Wait, 0},
        {"  wait\t1500   # a comment", true, Kind::Wait, 1500},
        {"wait 31536000000", true, Kind::Wait, 31536000000},
        {"wait 31536000001", false},
        {"wait -5", false},
        {"wait 1.5", false},
        {"wait 15x", false},
        {"wait", false},
        {"wait 1 2", false},
        {"tap 0 1", true, Kind::Tap, 0},
        {"tap 81 2", true, Kind::Tap, 81},
        {"tap 82 1", false},
        {"tap 5", false},
        {"tap 5 8", false},
        {"down 40 1", true, Kind::Down, 40},
        {"up 40 7", true, Kind::Up, 40},
        {"click menu Command1", true, Kind::Click},
        {"click menu Command5", true, Kind::Click},
        {"click menu Command6", false},
        {"click menu Command0", false},
        {"click menu Command", false},
        {"click menu Command12", false},
        {"click game Command1", true, Kind::Click},
        {"click game Command2", false},
        {"click game Command3", true, Kind::Click},
        {"click game Command4", false},
        {"click window Command1", false},
        {"close menu", true, Kind::Close},
        {"close game", true, Kind::Close},
        {"close both", false},
        {"save 0", true, Kind::Save, 0},
        {"save 32767", true, Kind::Save, 32767},
        {"save 32768", false},
        {"show", true, Kind::Show},
        {"show #x", true, Kind::Show},
        {"show#x", false},
        {"show 1", false},
        {"Show", false},
        {"board", true, Kind::Board},
        {"answer", true, Kind::Answer},
        {"jump 3", false},
    };
    for (const auto& l : lines) {
        SCOPED_TRACE(l.text);
        // After a first line, with a CR before the line end as a DOS file has it.
        const game::ScriptRead read =
            game::readScript("# heading\nshow\r\n" + std::string(l.text) + "\r\n");
        EXPECT_EQ(!read.error, l.taken);
        if (read.error) {
            EXPECT_EQ(read.error->line, 3);
            EXPECT_FALSE(read.error->beforePlay);
            EXPECT_EQ(read.steps.size(), 1u);
            continue;
        }
        ASSERT_EQ(read.steps.size(), 2u);
        EXPECT_EQ(read.steps[1].kind, l.kind);
        EXPECT_EQ(read.steps[1].number, l.number);
        EXPECT_EQ(read.steps[1].line, 3);
    }
    // "twips" only as the first step, comments and blank lines before it aside.
    const struct {
        const char* text;
        bool taken, beforePlay;
    } twips[] = {
        {"twips 15\nshow\n", true, false},  {"# c\n\ntwips 1440\n", true, false},
        {"twips 1441\n", false, true},      {"twips 0\n", false, true},
        {"show\ntwips 15\n", false, false},
    };
    for (const auto& t : twips) {
        SCOPED_TRACE(t.text);
        const game::ScriptRead read = game::readScript(t.text);
        EXPECT_EQ(!read.error, t.taken);
        if (read.error) {
            EXPECT_EQ(read.error->beforePlay, t.beforePlay);
        }
    }
}

// A step the game cannot take is told by its line, as the script's text
// numbers it, and clears nothing.
TEST(InGameCheck, AStepTheGameCannotTakeIsToldByItsLine) {
    const Shipped a = shippedStage(3);
    using Step = game::ScriptStep;
    // The menu is open, the game window not yet.
    const std::vector<Step> steps = {Step::wait(10), Step::wait(10), Step::tap(76, 1)};
    const headless::InGame game = headless::playSolution(a.desc, steps, 3);
    EXPECT_FALSE(game.cleared);
    EXPECT_NE(game.output.find("script line 3: the game window is not open"), std::string::npos)
        << game.output;
    // Steps that give the game no event at all clear nothing either.
    EXPECT_FALSE(headless::playSolution(a.desc, {Step::of(Step::Kind::Show)}, 3).cleared);
}
