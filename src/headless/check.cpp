#include "headless/check.h"

#include <sstream>

#include "game/files.h"
#include "game/memory_files.h"
#include "headless/replay.h"
#include "headless/snapshot.h"
#include "ui/lumora_program.h"
#include "ui/main_window.h"

namespace headless {
namespace {

// A folder no disk has: the memory files answer for it.
constexpr const char* kFolder = "/lumora-check";

}  // namespace

InGame playSolution(const game::StageDesc& withAnswer, const std::vector<game::ScriptStep>& steps,
                    int stageNo) {
    InGame result;
    game::MemoryFiles files(kFolder);
    const game::ScopedFileIo onFiles(files);
    files.put(game::stageFileName(stageNo), game::writeStageText(withAnswer));
    files.put(game::answerFileName(stageNo), game::writeAnswerText(withAnswer));
    if (const auto failed = game::writeSaveFile(kFolder, stageNo)) {
        result.output = failed->message;
        return result;
    }

    game::ScriptRead script{steps, std::nullopt};
    // As the script's text would number them, for the messages.
    for (std::size_t i = 0; i < script.steps.size(); ++i)
        script.steps[i].line = static_cast<int>(i) + 1;
    std::ostringstream out, err;
    bool clearing = false;
    // What the game holds after each event; the last is what the steps left.
    auto watch = [&](ui::LumoraProgram& game) {
        const ui::MainWindow* win = game.gameWindow();
        clearing = win != nullptr && win->controls().StageClearTimer->Enabled();
        result.board = boardText(game.bas());
        result.magic = game.bas().MagicCount;
    };
    const int status = play(kFolder, script, out, err, watch);
    result.output = out.str() + err.str() + result.board;
    result.cleared = status == 0 && err.str().empty() && clearing;
    return result;
}

std::string answerBoard(const game::StageDesc& withAnswer) {
    std::string out;
    for (int r = 1; r <= game::kBoardSide; ++r) {
        for (int c = 1; c <= game::kBoardSide; ++c) {
            const game::AnswerMark mark =
                withAnswer.answer[static_cast<std::size_t>(game::boardIndex(c, r))];
            const game::CellKind shown =
                mark == game::AnswerMark::Answer
                    ? game::CellKind::Block
                    : game::kindShown(mark).value_or(game::CellKind::Empty);
            out += game::cellInfo(shown).letter;
        }
        out += "\n";
    }
    return out;
}

std::optional<std::string> checkInGame(const game::StageDesc& withAnswer,
                                       const std::vector<game::ScriptStep>& steps, int stageNo) {
    const InGame game = playSolution(withAnswer, steps, stageNo);
    if (game.cleared && game.board == answerBoard(withAnswer)) return std::nullopt;
    return game.output;
}

Carried checkCarried(const game::StageDesc& withAnswer, const std::string& solution, int stageNo) {
    if (solution.empty()) return Carried::None;
    const game::ScriptRead script = game::readScript(solution);
    if (script.error) return Carried::DoesNotClear;
    return checkInGame(withAnswer, script.steps, stageNo) ? Carried::DoesNotClear : Carried::Proven;
}

}  // namespace headless
