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
    std::string board;
    auto readEnd = [&](ui::LumoraProgram& game) {
        const ui::MainWindow* win = game.gameWindow();
        clearing = win != nullptr && win->controls().StageClearTimer->Enabled();
        const game::LumoraBas& bas = game.bas();
        for (int r = 1; r <= game::kBoardSide; ++r)
            for (int c = 1; c <= game::kBoardSide; ++c)
                result.board[static_cast<std::size_t>(game::boardIndex(c, r))] = bas.kindAt(c, r);
        result.magic = bas.MagicCount;
        board = boardText(bas);
    };
    const int status = play(kFolder, script, out, err, {}, readEnd);
    result.output = out.str() + err.str() + board;
    result.cleared = status == 0 && err.str().empty() && clearing;
    return result;
}

Cells answerBoard(const game::StageDesc& withAnswer) {
    Cells out{};
    for (std::size_t k = 0; k < out.size(); ++k) {
        const game::AnswerMark mark = withAnswer.answer[k];
        out[k] = mark == game::AnswerMark::Answer
                     ? game::CellKind::Block
                     : game::kindShown(mark).value_or(game::CellKind::Empty);
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
