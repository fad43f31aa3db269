#include "solver/report.h"

#include <algorithm>
#include <filesystem>

namespace solver {

int stageNumberOf(const std::string& fileName) {
    const std::string name = std::filesystem::path(fileName).filename().string();
    if (name.size() < 9 || name.rfind("mmap", 0) != 0 || name.substr(name.size() - 4) != ".bkm")
        return 1;
    const std::string digits = name.substr(4, name.size() - 8);
    if (digits.empty() || digits.size() > 4 || digits[0] == '0') return 1;
    for (char ch : digits)
        if (ch < '0' || ch > '9') return 1;
    return std::stoi(digits);
}

namespace {

// What a report cut short may still say.
StageReport cancelled(const StageReport& rep) {
    StageReport out;
    out.stageNo = rep.stageNo;
    out.states = rep.states;
    out.cancelled = true;
    return out;
}

}  // namespace

StageReport solveStage(const Stage& stage, int stageNo, const std::string& stageFile,
                       const SolveOptions& options) {
    StageReport rep;
    rep.stageNo = stageNo;
    auto run = [&](int magic) {
        SearchOptions searchOptions{magic, true, options.maxStates};
        searchOptions.control = options.control;
        SearchResult r = search(stage, searchOptions);
        rep.states += r.states;
        rep.cancelled = rep.cancelled || r.cancelled;
        if (!r.exhausted && !r.cleared) rep.complete = false;
        // Above row 1 the rules no longer hold, so no search can speak for
        // what happens there; past column 1 the walk can only come back.
        if (r.exits & kOffTop) rep.complete = false;
        rep.exits |= r.exits;
        if (r.leaves >= 0 && rep.leaves < 0) {
            rep.leaves = r.leaves;
            rep.leavesBoard = r.leavesBoard;
        }
        return r;
    };

    // Clearing is monotone in the starting magic: more never closes a way.
    SearchResult best = run(stage.magic);
    rep.solvable = best.cleared;
    for (int m = std::max(stage.magic, 1) * 2;
         !best.cleared && !rep.cancelled && m / 2 < options.magicCap; m *= 2)
        best = run(std::min(m, options.magicCap));
    if (rep.cancelled) return cancelled(rep);
    if (!best.cleared) {
        rep.problem = "no clear with up to " + std::to_string(options.magicCap) + " magic";
        return rep;
    }
    // A solution shows the magic it needs; one point less is searched again
    // until that search runs out of states without a clear.
    for (;;) {
        if (best.needs <= 1) break;
        SearchResult less = run(best.needs - 1);
        if (rep.cancelled) return cancelled(rep);
        if (!less.cleared) {
            rep.proofStates = less.states;
            break;
        }
        best = less;
    }
    rep.leastMagic = best.needs;

    if (!rep.solvable) {
        rep.problem = "not solvable with the stage's budget";
        return rep;
    }
    auto plan = makePlan(stage, best.casts, stageNo);
    if (auto* why = std::get_if<std::string>(&plan)) {
        rep.problem = "the solver's own solution fails: " + *why;
        return rep;
    }
    rep.plan = std::get<Plan>(plan);
    if (options.replay) {
        const Replayed game = replayInGame(stageFile, rep.plan.answer, rep.plan.script, stageNo);
        rep.replayed = game.cleared && game.board == answerAsBoard(rep.plan.answer);
        if (!rep.replayed) rep.problem = "the game disagrees with the solver:\n" + game.output;
    }
    return rep;
}

}  // namespace solver
