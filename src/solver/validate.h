#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "solver/search.h"
#include "solver/stage.h"

namespace solver {

// What a stage's budget demands of the player.
struct Validation {
    unsigned required = 0;        // the moves:: bits without which the budget cannot clear it
    std::size_t finalBoards = 0;  // distinct boards a clear within the budget ends on
    bool capped = false;          // there are more final boards than the cap
    std::size_t states = 0;       // states of every search run for it, together
    // Cut short, a move not shown as required may still be (only a search
    // that looked everywhere shows one is); cancelled, the figures above are
    // partial.
    Ending ending;
    std::vector<Board> boards;  // the final boards themselves, up to the cap, the
                                // character's cell left out
    bool operator==(const Validation&) const = default;
};

// Switches each move off in turn and asks whether the budget still clears the
// stage, then counts the boards it can end on, up to `boardCap`.
// Each search keeps within `memoryBudget` bytes, as the verdict's do.
Validation validateStage(const Stage& stage, std::size_t boardCap = kBoardCap,
                         std::size_t maxStates = kMaxStates, SearchControl* control = nullptr,
                         std::size_t memoryBudget = kMemoryBudget);

// Whether the rule that meeting the target while a pool is left loses costs
// the stage magic: with the rule off, one point less than `leastMagic` clears.
// A search that found no clear but stopped early (at its state limit, its
// memory or the control) does not know: `ending` says so, and `costs` is
// then false only for want of a clear.
struct EarlyCount {
    bool costs = false;
    Ending ending;
    std::size_t states = 0;
    bool known() const { return costs || ending.finished(); }
    bool operator==(const EarlyCount&) const = default;
};
EarlyCount earlyCountCosts(const Stage& stage, int leastMagic, std::size_t maxStates,
                           SearchControl* control = nullptr,
                           std::size_t memoryBudget = kMemoryBudget);

// How much of two boards is the same, 0 to 1: the cells holding a wall, block,
// pool or sand in both, the same in both, over the cells holding one in
// either (Jaccard), at the best of every shift of one board against the
// other, mirrored or not; the part of a board shifted off the other is
// dropped. 1 means one is a shift or mirror of the other.
double boardOverlap(const Stage& a, const Stage& b);

// The required moves by name, "place, climb", or "-".
std::string moveNames(unsigned moves);

}  // namespace solver
