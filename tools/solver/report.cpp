#include "report.h"

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

StageReport solveStage(const Stage& stage, int stageNo, const std::string& stageFile,
                       const SolveOptions& options) {
    StageReport rep;
    rep.stageNo = stageNo;
    auto run = [&](int magic, bool stop) {
        SearchResult r = search(stage, {magic, stop, options.maxStates});
        if (!r.exhausted && !r.cleared) rep.complete = false;
        return r;
    };

    // Clearing is monotone in the starting magic: more never closes a way.
    int hi = 0;
    rep.solvable = run(stage.magic, true).cleared;
    if (rep.solvable) {
        hi = stage.magic;
    } else {
        for (int m = std::max(stage.magic, 1) * 2; m <= options.magicCap; m *= 2)
            if (run(m, true).cleared) {
                hi = m;
                break;
            }
        if (hi == 0 && stage.magic < options.magicCap && run(options.magicCap, true).cleared)
            hi = options.magicCap;
    }
    if (hi == 0) {
        rep.problem = "no clear with up to " + std::to_string(options.magicCap) + " magic";
        return rep;
    }
    int lo = 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (run(mid, true).cleared)
            hi = mid;
        else
            lo = mid + 1;
    }
    rep.leastMagic = hi;
    if (hi > 1) rep.proofStates = run(hi - 1, true).states;

    if (!rep.solvable) {
        rep.problem = "not solvable with the stage's budget";
        return rep;
    }

    // The solution found with the least magic also clears with the budget.
    const SearchResult best = run(hi, true);
    rep.states = best.states;
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
