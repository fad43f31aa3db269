#include "solver/plan.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "game/files.h"
#include "game/rules.h"
#include "replay.h"
#include "solver/moves.h"

namespace fs = std::filesystem;

namespace solver {
namespace {

// A player's pause after a cast that leaves the character where it stands,
// and the slack added to every computed wait.
constexpr int kCastPauseMs = 200;
constexpr int kMarginMs = 100;
constexpr int kFallMs = game::rules::kFallMsPerCell;

}  // namespace

std::string stageFileText(const Stage& stage) { return game::writeStageText(stage.desc); }

game::StageDesc answerFor(const Stage& stage, const Board& board,
                          const std::array<bool, kCells>& touched) {
    game::StageDesc desc = stage.desc;
    for (int cell = 0; cell < kCells; ++cell) {
        const auto i = static_cast<std::size_t>(cell);
        game::AnswerMark mark = game::AnswerMark::None;
        if (stage.wall[i])
            mark = game::AnswerMark::Wall;
        else if (board.kind(cell) == CellKind::Sand)
            mark = game::AnswerMark::Sand;
        else if (board.kind(cell) == CellKind::Block)
            mark = stage.ownBlock(cell) && !touched[i] ? game::AnswerMark::Block
                                                         : game::AnswerMark::Answer;
        desc.answer[i] = mark;
    }
    return desc;
}

std::variant<Plan, std::string> makePlan(const Stage& stage, const std::vector<Cast>& casts,
                                         int stageNo) {
    Plan plan;
    std::ostringstream s;
    Board board = stage.start;
    int magic = stage.magic;
    std::array<bool, kCells> touched{};
    Outcome outcome = Outcome::Going;
    std::ostringstream body;
    // While the character falls, the time since the cast that took its floor
    // away and the row it fell from.
    int fallRow = 0, fallMs = 0;
    for (std::size_t i = 0; i < casts.size(); ++i) {
        const Cast& cast = casts[i];
        const std::string which = "cast " + std::to_string(i + 1);
        if (outcome != Outcome::Going)
            return std::string("the solution goes on after the stage ended");
        if (cast.from < 0 || cast.from >= kCells || cast.target < 0 || cast.target >= kCells)
            return which + ": no cell of the board";
        const int d = cast.target - cast.from;
        if (!(d == -9 || d == 9 || (d == 1 && columnOf(cast.from) < 9) ||
              (d == -1 && columnOf(cast.from) > 1)))
            return which + ": its target is no neighbour";
        bool midFall = false;
        if (board.falling()) {
            const int land = landing(SolidMap(stage, board), board.player());
            midFall = columnOf(cast.from) == columnOf(board.player()) &&
                      cast.from >= board.player() && cast.from < land;
            if (midFall) {
                if (d == 9) return which + ": no cast goes below while falling";
                // The cell counts as the character's from when it reaches it
                // until it reaches the next: halfway is safely inside.
                const int due = kFallMs * (rowOf(cast.from) - fallRow) + kFallMs / 2;
                if (due > fallMs) body << "wait " << due - fallMs << "\n";
                fallMs = std::max(fallMs, due);
            } else {
                body << "wait " << kFallMs * (rowOf(land) - fallRow) + kMarginMs - fallMs << "\n";
                board.setPlayer(land);
                board.setFalling(false);
            }
        }
        if (!midFall) {
            const SolidMap solid(stage, board);
            const Reach reach = reachable(solid, board.player());
            if (!reach.has(cast.from)) return which + ": its cell is out of walking reach";
            std::vector<int> path;
            for (int at = cast.from; at != reach.start;
                 at = reach.via[static_cast<std::size_t>(at)])
                path.push_back(at);
            for (auto it = path.rbegin(); it != path.rend(); ++it) {
                const int to = *it;
                const int via = reach.via[static_cast<std::size_t>(to)];
                const int column = reach.column[static_cast<std::size_t>(to)];
                const Clicks clicks = clicksFrom(solid, via);
                body << "tap " << tileOf(to) << " 1\n";
                body << "wait "
                     << game::rules::kWalkTickMs * clicks.ticks[static_cast<std::size_t>(column)] +
                            kMarginMs
                     << "\n";
                ++plan.walks;
            }
        }
        const CastEffect e = castOn(stage, board, cast.from, cast.target);
        if (!e.wall) touched[static_cast<std::size_t>(cast.target)] = true;
        magic += e.magicDelta;
        outcome = (e.wall && board.count(CellKind::Block) != stage.target) ? Outcome::Going
                                                                 : judge(stage, e.board, magic);
        if (outcome == Outcome::Lost) return which + " loses the stage";
        body << "tap " << tileOf(cast.target) << " 2\n";
        ++plan.casts;
        if (outcome == Outcome::Going && e.board.falling() && !board.falling()) {
            fallRow = rowOf(cast.from);
            fallMs = 0;
        } else if (outcome == Outcome::Going && !e.board.falling()) {
            body << "wait " << kCastPauseMs << "\n";
        }
        board = e.board;
    }
    if (outcome != Outcome::Cleared) return std::string("the solution does not clear the stage");
    plan.magicLeft = magic;

    s << "# Stage " << stageNo << ": " << plan.casts << " casts, " << plan.walks << " walks, magic "
      << stage.magic << " to " << magic << ". Written by lumora-solve.\n";
    s << "# The save file holds " << stageNo << "; Load opens the stage.\n";
    s << "click menu Command2\n" << body.str() << "show\n";
    plan.script = s.str();

    plan.answer = game::writeAnswerText(answerFor(stage, board, touched));
    return plan;
}

namespace {

// The replay's board shows every block as a block, the ones of the answer too.
game::CellKind shownKind(game::AnswerMark mark) {
    if (mark == game::AnswerMark::Answer) return game::CellKind::Block;
    return game::kindShown(mark).value_or(game::CellKind::Empty);
}

}  // namespace

std::string answerAsBoard(const std::string& answer) {
    game::StageDesc desc;
    if (game::parseAnswerText("answer", answer, desc)) return {};
    std::string out;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c)
            out += game::cellInfo(shownKind(desc.answer[static_cast<std::size_t>(game::boardIndex(c, r))]))
                       .letter;
        out += "\n";
    }
    return out;
}

namespace {

// A folder of its own under the temporary one; none, with `ec` set, when
// none can be made.
fs::path freshFolder(std::error_code& ec) {
    std::random_device rd;
    const fs::path base = fs::temp_directory_path(ec);
    while (!ec) {
        fs::path folder = base / ("lumora-solve-" + std::to_string(rd()));
        if (fs::create_directory(folder, ec)) return folder;
    }
    return {};
}

}  // namespace

Replayed replayInGame(const std::string& stageFile, const std::string& answerFile,
                      const std::string& script, int stageNo) {
    Replayed result;
    std::error_code ec;
    const fs::path folder = freshFolder(ec);
    if (ec) {
        result.output = "cannot make a folder to replay in: " + ec.message();
        return result;
    }
    // A file that did not reach the disk would make the game disagree for
    // the wrong reason.
    auto put = [&](const std::string& name, const std::string& bytes) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        if (!out.fail()) return true;
        result.output += "cannot write " + (folder / name).string() + "\n";
        return false;
    };
    const bool written = put(game::stageFileName(stageNo), stageFile) &&
                         put(game::answerFileName(stageNo), answerFile) &&
                         put(game::kSaveFileName, std::to_string(stageNo) + "\r\n");
    if (!written) {
        fs::remove_all(folder, ec);
        return result;
    }

    std::istringstream in(script + "board\n");
    std::ostringstream out, err;
    replay::run(folder.string(), in, out, err);
    fs::remove_all(folder, ec);

    result.output = out.str() + err.str();
    std::istringstream lines(out.str());
    std::string line, lastShow;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    for (const auto& l : all)
        if (l.rfind("t=", 0) == 0) lastShow = l;
    result.cleared = err.str().empty() && lastShow.find("StageClearTimer") != std::string::npos;
    if (all.size() >= 9)
        for (std::size_t i = all.size() - 9; i < all.size(); ++i) result.board += all[i] + "\n";
    return result;
}

}  // namespace solver
