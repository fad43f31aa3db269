// The game's behaviour recorded whole: seeded games over the shipped stages, a
// pack, drawn stages and the stored solutions, with everything a player could
// see and every counter of the rules after each event. A change that moves
// the rules or the painting from one place to another must replay it to the
// byte; a difference is a fault of the change, never a reason to record again.
//
// The corpus is tests/data/golden_game.tar.gz. Recording it (only when the
// game's behaviour is meant to change) is the README's command.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "forms/program.h"
#include "game/files.h"
#include "game/memory_files.h"
#include "game/pack.h"
#include "game/pack_file.h"
#include "headless/replay.h"
#include "headless/snapshot.h"
#include "solver/generate_board.h"
#include "support/random_play.h"
#include "ui/main_window.h"

namespace {

constexpr const char* kFolder = "/lumora-golden";
constexpr std::uint64_t kSeed = 20261209;

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string joined(const std::string& lines, char by) {
    std::string out = lines;
    for (char& ch : out)
        if (ch == '\n') ch = by;
    return out;
}

using Fields = std::vector<std::pair<std::string, std::string>>;

// Everything the rules keep and the window shows, as name and value.
Fields fieldsOf(ui::LumoraProgram& game) {
    Fields f;
    std::istringstream seen(headless::snapshot(game));
    for (std::string word; seen >> word;) {
        const auto eq = word.find('=');
        f.emplace_back(word.substr(0, eq), word.substr(eq + 1));
    }
    const game::LumoraBas& b = game.bas();
    auto add = [&f](const char* name, long v) { f.emplace_back(name, std::to_string(v)); };
    add("Magic", b.MagicCount);
    add("Blocks", b.BlockCount);
    add("Water", b.WaterCount);
    add("Target", b.BlockTarget);
    add("Sucsess", b.intSucsessFrag);
    add("On", b.OnColumn * 10 + b.OnRow);
    add("Can", b.CanWalkLeft * 10000 + b.CanWalkRight * 1000 + b.CanFall * 100 +
                   b.CanJumpLeft * 10 + b.CanJumpRight);
    add("Frames", ((b.WalkFrame * 10 + b.RightWalkFrame) * 10 + b.LeftJumpFrame) * 10 +
                      b.RightJumpFrame);
    add("Phases", b.LeftJumpPhase * 10 + b.RightJumpPhase);
    add("Outcome", ((b.StageClearLeftFrame * 10 + b.StageClearRightFrame) * 10 +
                    b.GameOverLeftFrame) * 10 + b.GameOverRightFrame);
    if (ui::MainWindow* win = game.gameWindow()) {
        f.emplace_back("board", joined(headless::boardText(b), '/'));
        f.emplace_back("answer", joined(headless::answerText(*win), '/'));
        const ui::GameWindow& w = win->controls();
        std::string tiles;
        for (int k = 1; k <= 81; ++k) {
            const auto kind = game::kindOfPicture(w.Tile[static_cast<std::size_t>(k)]->picture.name);
            tiles.push_back(kind ? game::cellInfo(*kind).letter : '-');
        }
        f.emplace_back("tiles", tiles);
        std::string texts;
        for (int k = 1; k <= 9; ++k) texts += w.Text1[static_cast<std::size_t>(k)]->Text + ",";
        for (const forms::Control* t : {w.Text4, w.Text5, w.Text6}) texts += t->Text + ",";
        for (char& ch : texts)
            if (ch == ' ') ch = '_';
        f.emplace_back("texts", texts);
    }
    return f;
}

// One line an event: its number and the fields that changed since the last.
class Recorder {
public:
    void event(ui::LumoraProgram& game) {
        Fields now = fieldsOf(game);
        std::string line = "e" + std::to_string(++count_);
        std::map<std::string, std::string> next;
        for (auto& [name, value] : now) {
            if (last_.count(name) == 0 || last_[name] != value) line += " " + name + "=" + value;
            next[name] = value;
        }
        for (const auto& [name, value] : last_)
            if (next.count(name) == 0) line += " " + name + "~";
        last_ = std::move(next);
        text_ += line + "\n";
    }
    void heading(const std::string& what) {
        text_ += "# " + what + "\n";
        last_.clear();
    }
    std::uint64_t count() const { return count_; }
    const std::string& text() const { return text_; }

private:
    std::uint64_t count_ = 0;
    std::map<std::string, std::string> last_;
    std::string text_;
};

// The shipped stages' files, as the game folder holds them.
void putShippedStages(game::MemoryFiles& files, int upTo) {
    for (int n = 1; n <= upTo; ++n)
        for (const std::string& name : {game::stageFileName(n), game::answerFileName(n)})
            files.put(name, fileText(std::filesystem::path(LUMORA_STAGES_DIR) / name));
}

// Stages drawn as the generator draws them, with a budget of up to `most`.
game::Pack drawnPack(int count, int most) {
    solver::Draw draw(kSeed + static_cast<std::uint64_t>(most));
    game::Pack pack;
    pack.info = {"Drawn", "", "", count};
    for (int i = 0; i < count; ++i) {
        game::StageDesc desc = solver::randomBoard(draw, std::nullopt, 1, 12);
        desc.magic = game::magicForBudget(draw.between(0, most));
        pack.stages.push_back(desc);
    }
    return pack;
}

// Plays `events` events at random on what the memory folder holds, a new
// program each time one ends.
void playAtRandom(Recorder& rec, solver::Draw& draw, int stageCount, std::uint64_t events) {
    const std::uint64_t until = rec.count() + events;
    while (rec.count() < until) {
        const float twips = draw.chance(50) ? 15.0f : 12.0f;
        ui::LumoraProgram game(kFolder, kFolder, twips, stageCount);
        game.start();
        testing_support::RandomPlayer player(game, twips, [&draw](std::uint32_t n) {
            return static_cast<std::uint32_t>(draw.below(static_cast<int>(n)));
        });
        player.onEvent([&rec, &game] { rec.event(game); });
        while (!game.program().ended() && rec.count() < until) {
            const std::string broken = draw.chance(25) ? player.castNear() : player.step();
            ASSERT_EQ(broken, "") << player.script();
        }
    }
}

std::string record() {
    Recorder rec;
    solver::Draw draw(kSeed);
    {
        rec.heading("the shipped stages at random");
        game::MemoryFiles files(kFolder);
        const game::ScopedFileIo on(files);
        putShippedStages(files, game::kStageCount);
        playAtRandom(rec, draw, game::kStageCount, 12000);
    }
    {
        rec.heading("each stored solution, its Stage Clear, then at random");
        game::MemoryFiles files(kFolder);
        const game::ScopedFileIo on(files);
        putShippedStages(files, game::kStageCount);
        for (int n = 1; n <= game::kStageCount; ++n) {
            const std::string name = "stage" + std::to_string(n) + ".replay";
            std::string script = fileText(std::filesystem::path(LUMORA_STAGES_DIR) / "solutions" / name);
            script = "save " + std::to_string(n) + "\n" + script + "wait 12000\ntap 41 1\nwait 3000\n";
            std::ostringstream out, err;
            headless::play(kFolder, game::readScript(script), out, err,
                           [&rec](ui::LumoraProgram& g) { rec.event(g); });
            rec.heading("after stage " + std::to_string(n));
            playAtRandom(rec, draw, game::kStageCount, 150);
        }
    }
    {
        rec.heading("a pack of three");
        game::MemoryFiles files(kFolder);
        const game::ScopedFileIo on(files);
        putShippedStages(files, 3);
        files.put(game::kPackFileName, game::writePackText({"Three", "", "", 3}));
        playAtRandom(rec, draw, 3, 4000);
    }
    // Magic to spare, and so little that most games are lost.
    for (const int most : {9, 1}) {
        rec.heading("drawn stages, a budget of up to " + std::to_string(most));
        game::MemoryFiles files(kFolder);
        const game::ScopedFileIo on(files);
        game::putPackFiles(files, drawnPack(12, most));
        playAtRandom(rec, draw, 12, 8000);
    }
    return rec.text();
}

// The first line where two corpora part, with both lines.
std::string firstDifference(const std::string& want, const std::string& got) {
    std::istringstream a(want), b(got);
    std::string x, y;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(a, x)), more2 = static_cast<bool>(std::getline(b, y));
        if (!more && !more2) return {};
        if (!more || !more2 || x != y)
            return "line " + std::to_string(line) + "\n  recorded: " + (more ? x : "(end)") +
                   "\n  now:      " + (more2 ? y : "(end)");
    }
}

TEST(GoldenMaster, TheGameReplaysItsRecordedBehaviourToTheByte) {
    const std::string now = record();
    if (const char* out = std::getenv("LUMORA_GOLDEN_RECORD")) {
        std::ofstream(out, std::ios::binary) << now;
        GTEST_SKIP() << "recorded to " << out;
    }
    const std::string recorded = fileText(LUMORA_GOLDEN_CORPUS);
    ASSERT_FALSE(recorded.empty()) << "no corpus at " << LUMORA_GOLDEN_CORPUS;
    EXPECT_GE(std::count(now.begin(), now.end(), '\n'), 20000);
    EXPECT_EQ(firstDifference(recorded, now), "");
}

}  // namespace
