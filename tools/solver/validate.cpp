#include "validate.h"

#include "search.h"

namespace solver {

Validation validateStage(const Stage& stage, std::size_t boardCap, std::size_t maxStates) {
    Validation v;
    for (int i = 0; i < moves::kCount; ++i) {
        SearchOptions without{stage.magic, true, maxStates};
        without.allowed = moves::kAll & ~(1u << i);
        const SearchResult r = search(stage, without);
        v.states += r.states;
        if (!r.exhausted && !r.cleared) v.complete = false;
        if (!r.cleared) v.required |= 1u << i;
    }
    SearchOptions all{stage.magic, false, maxStates};
    all.finalBoardCap = boardCap + 1;
    const SearchResult r = search(stage, all);
    v.states += r.states;
    if (!r.exhausted) v.complete = false;
    v.capped = r.finalBoards.size() > boardCap;
    v.finalBoards = std::min(r.finalBoards.size(), boardCap);
    return v;
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
