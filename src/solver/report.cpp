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
    out.ending.cancelled = true;
    return out;
}

}  // namespace

StageReport solveStage(const Stage& stage, int stageNo, const SolveOptions& options) {
    StageReport rep;
    rep.stageNo = stageNo;
    auto run = [&](int magic) {
        SearchOptions searchOptions{magic, true, options.maxStates};
        searchOptions.control = options.control;
        searchOptions.memoryBudget = options.memoryBudget;
        SearchResult r = search(stage, searchOptions);
        rep.states += r.states;
        rep.ending.cancelled = rep.ending.cancelled || r.ending.cancelled;
        // A clear found is a clear, however far the search went.
        if (r.ending.cutShort && !r.cleared) rep.ending.cutShort = true;
        if (r.ending.outOfMemory && !r.cleared) rep.ending.outOfMemory = true;
        // Past column 1 the walk can only come back; above row 1, see complete().
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
    // More magic only keeps more states: a search out of memory stops the rise.
    for (int m = std::max(stage.magic, 1) * 2; !best.cleared && !rep.ending.cancelled &&
                                               !rep.ending.outOfMemory && m / 2 < options.magicCap;
         m *= 2)
        best = run(std::min(m, options.magicCap));
    if (rep.ending.cancelled) return cancelled(rep);
    if (!best.cleared && rep.ending.outOfMemory) {
        rep.problem = "undecided: a search reached its memory budget";
        return rep;
    }
    if (!best.cleared) {
        rep.problem = "no clear with up to " + std::to_string(options.magicCap) + " magic";
        return rep;
    }
    // A solution shows the magic it needs; one point less is searched again
    // until that search runs out of states without a clear.
    for (;;) {
        if (best.needs <= 1) break;
        SearchResult less = run(best.needs - 1);
        if (rep.ending.cancelled) return cancelled(rep);
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
    if (options.check) {
        const auto disagreement =
            options.check(withAnswer(stage, rep.plan), rep.plan.steps, stageNo);
        rep.replayed = !disagreement;
        if (disagreement) rep.problem = "the game disagrees with the solver:\n" + *disagreement;
    }
    return rep;
}

}  // namespace solver
