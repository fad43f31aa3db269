#include "headless/check.h"

#include <sstream>

#include "game/files.h"
#include "game/memory_files.h"
#include "headless/replay.h"

namespace headless {
namespace {

// A folder no disk has: the memory files answer for it.
constexpr const char* kFolder = "/lumora-check";

std::vector<std::string> linesOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

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
    script.steps.push_back(game::ScriptStep::of(game::ScriptStep::Kind::Board));
    // As the script's text would number them, for the messages.
    for (std::size_t i = 0; i < script.steps.size(); ++i)
        script.steps[i].line = static_cast<int>(i) + 1;
    std::ostringstream out, err;
    play(kFolder, script, out, err);

    result.output = out.str() + err.str();
    const std::vector<std::string> lines = linesOf(out.str());
    std::string lastShow;
    for (const std::string& l : lines)
        if (l.rfind("t=", 0) == 0) lastShow = l;
    result.cleared = err.str().empty() && lastShow.find("StageClearTimer") != std::string::npos;
    if (lines.size() >= game::kBoardSide)
        for (std::size_t i = lines.size() - game::kBoardSide; i < lines.size(); ++i)
            result.board += lines[i] + "\n";
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
