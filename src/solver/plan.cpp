#include "solver/plan.h"

#include <algorithm>

#include "game/files.h"
#include "game/rules.h"
#include "solver/moves.h"

namespace solver {
namespace {

// A player's pause after a cast that leaves the character where it stands,
// and the slack added to every computed wait.
constexpr int kCastPauseMs = 200;
constexpr int kMarginMs = 100;
constexpr int kFallMs = game::rules::kFallMsPerCell;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

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

namespace {

using game::ScriptStep;

// How a plan's steps come out in a script: its heading, the menu's Load,
// the body of clicks and waits, and a last snapshot.
std::vector<ScriptStep> framed(const Stage& stage, int stageNo, const Plan& plan,
                               std::vector<ScriptStep> body) {
    std::vector<ScriptStep> steps{
        ScriptStep::comment("Stage " + std::to_string(stageNo) + ": " + std::to_string(plan.casts) +
                            " casts, " + std::to_string(plan.walks) + " walks, magic " +
                            std::to_string(stage.magic) + " to " + std::to_string(plan.magicLeft) +
                            ". Written by lumora-solve."),
        ScriptStep::comment("The save file holds " + std::to_string(stageNo) +
                            "; Load opens the stage."),
        ScriptStep::click(true, game::kMenuLoadCommand)};
    steps.insert(steps.end(), body.begin(), body.end());
    steps.push_back(ScriptStep::of(ScriptStep::Kind::Show));
    return steps;
}

}  // namespace

std::variant<Plan, std::string> makePlan(const Stage& stage, const std::vector<Cast>& casts,
                                         int stageNo) {
    Plan plan;
    Board board = stage.start;
    int magic = stage.magic;
    std::array<bool, kCells> touched{};
    Outcome outcome = Outcome::Going;
    std::vector<ScriptStep> body;
    // While the character falls, the time since the cast that took its floor
    // away and the row it fell from, 0 and above for over the top; standing
    // over the top, how many rows above row 1.
    int fallRow = 0, fallMs = 0, height = 1;
    for (std::size_t i = 0; i < casts.size(); ++i) {
        const Cast& cast = casts[i];
        const std::string which = "cast " + std::to_string(i + 1);
        if (outcome != Outcome::Going)
            return std::string("the solution goes on after the stage ended");
        if (cast.from < 0 || cast.from >= kPlaces || cast.target < 0 || cast.target >= kCells)
            return which + ": no cell of the board";
        const int fromCell = cellOf(cast.from);
        const int d = cast.target - fromCell;
        if (!(d == -9 || d == 9 || (d == 1 && columnOf(fromCell) < 9) ||
              (d == -1 && columnOf(fromCell) > 1)))
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
                if (due > fallMs) body.push_back(ScriptStep::wait(due - fallMs));
                fallMs = std::max(fallMs, due);
            } else {
                body.push_back(
                    ScriptStep::wait(kFallMs * (rowOf(land) - fallRow) + kMarginMs - fallMs));
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
                const auto column = static_cast<std::size_t>(reach.column[static_cast<std::size_t>(to)]);
                const Clicks clicks = clicksFrom(solid, via, moves::kAll, height);
                body.push_back(ScriptStep::tap(tileOf(cellOf(to)), kLeftButton));
                body.push_back(
                    ScriptStep::wait(game::rules::kWalkTickMs * clicks.ticks[column] + kMarginMs));
                height = clicks.height[column];
                ++plan.walks;
            }
        }
        const CastEffect e = castOn(stage, board, cast.from, cast.target);
        if (!e.wall) touched[static_cast<std::size_t>(cast.target)] = true;
        magic += e.magicDelta;
        outcome = (e.wall && board.count(CellKind::Block) != stage.target)
                      ? Outcome::Going
                      : judge(stage, e.board, magic);
        if (outcome == Outcome::Lost) return which + " loses the stage";
        body.push_back(ScriptStep::tap(tileOf(cast.target), kRightButton));
        ++plan.casts;
        if (outcome == Outcome::Going && e.board.falling() && !board.falling()) {
            fallRow = isOverTop(cast.from) ? 1 - height : rowOf(cast.from);
            fallMs = 0;
        } else if (outcome == Outcome::Going && !e.board.falling()) {
            body.push_back(ScriptStep::wait(kCastPauseMs));
        }
        board = e.board;
    }
    if (outcome != Outcome::Cleared) return std::string("the solution does not clear the stage");
    plan.magicLeft = magic;
    plan.steps = framed(stage, stageNo, plan, std::move(body));
    plan.answer = answerFor(stage, board, touched).answer;
    return plan;
}

game::StageDesc withAnswer(const Stage& stage, const Plan& plan) {
    game::StageDesc desc = stage.desc;
    desc.answer = plan.answer;
    return desc;
}

}  // namespace solver
