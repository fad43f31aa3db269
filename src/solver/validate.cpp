#include "solver/validate.h"

#include <algorithm>

#include "solver/search.h"

namespace solver {

Validation validateStage(const Stage& stage, std::size_t boardCap, std::size_t maxStates,
                         SearchControl* control, std::size_t memoryBudget) {
    Validation v;
    for (int i = 0; i < moves::kCount; ++i) {
        SearchOptions without{stage.magic, true, maxStates};
        without.allowed = moves::kAll & ~(1u << i);
        without.fewestCasts = false;  // whether it clears, not how
        without.control = control;
        without.memoryBudget = memoryBudget;
        const SearchResult r = search(stage, without);
        v.states += r.states;
        if (r.ending.cancelled) {
            v.ending.cancelled = true;
            return v;
        }
        if (r.ending.cutShort && !r.cleared) v.ending.cutShort = true;
        if (r.ending.outOfMemory && !r.cleared) v.ending.outOfMemory = true;
        // Only a search that looked everywhere shows the move cannot be done
        // without; one cut short before a clear shows nothing.
        if (!r.cleared && r.ending.finished()) v.required |= 1u << i;
    }
    SearchOptions all{stage.magic, false, maxStates};
    all.finalBoardCap = boardCap + 1;
    all.control = control;
    all.memoryBudget = memoryBudget;
    const SearchResult r = search(stage, all);
    v.states += r.states;
    v.ending.add(r.ending);
    v.capped = r.finalBoards.size() > boardCap;
    v.finalBoards = std::min(r.finalBoards.size(), boardCap);
    v.boards.assign(r.finalBoards.begin(),
                    r.finalBoards.begin() + static_cast<std::ptrdiff_t>(v.finalBoards));
    return v;
}

EarlyCount earlyCountCosts(const Stage& stage, int leastMagic, std::size_t maxStates,
                           SearchControl* control, std::size_t memoryBudget) {
    EarlyCount out;
    if (leastMagic <= 1) return out;
    SearchOptions options{leastMagic - 1, true, maxStates};
    options.earlyCountLoses = false;
    options.fewestCasts = false;
    options.control = control;
    options.memoryBudget = memoryBudget;
    const SearchResult r = search(stage, options);
    out.states = r.states;
    out.costs = r.cleared;
    if (!r.cleared) out.ending = r.ending;
    return out;
}

namespace {

// What a cell held when the stage began; the start cell is empty.
CellKind kindAt(const Stage& s, int c, int r) { return s.desc.at(c, r); }

double overlapOneWay(const Stage& a, const Stage& b) {
    int inA = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) inA += kindAt(a, c, r) != CellKind::Empty;
    double best = 0;
    for (bool mirror : {false, true})
        for (int dx = -8; dx <= 8; ++dx)
            for (int dy = -8; dy <= 8; ++dy) {
                int same = 0, inB = 0;
                for (int r = 1; r <= 9; ++r)
                    for (int c = 1; c <= 9; ++c) {
                        const int tc = (mirror ? 10 - c : c) + dx, tr = r + dy;
                        const CellKind kind = kindAt(b, c, r);
                        if (kind == CellKind::Empty || tc < 1 || tc > 9 || tr < 1 || tr > 9)
                            continue;
                        ++inB;
                        same += kindAt(a, tc, tr) == kind;
                    }
                const int either = inA + inB - same;
                if (either > 0) best = std::max(best, static_cast<double>(same) / either);
            }
    return best;
}

}  // namespace

double boardOverlap(const Stage& a, const Stage& b) {
    return std::max(overlapOneWay(a, b), overlapOneWay(b, a));
}

std::string moveNames(unsigned required) {
    std::string out;
    for (int i = 0; i < moves::kCount; ++i) {
        if (!(required & (1u << i))) continue;
        if (!out.empty()) out += ", ";
        out += moves::kNames[i];
    }
    return out.empty() ? "-" : out;
}

}  // namespace solver
