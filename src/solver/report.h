#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "solver/best_first.h"
#include "solver/plan.h"
#include "solver/refute.h"
#include "solver/search.h"
#include "solver/stage.h"

namespace solver {

// Everything lumora-solve finds out about one stage.
// What settled whether the budget clears a stage.
enum class DecidedBy {
    Exact,       // the breadth-first search, to its end or to a clear
    Refutation,  // a reason no play clears it, found without searching
    BestFirst,   // a clear the goal-directed search found and the replay checked
};

struct StageReport {
    int stageNo = 1;
    bool solvable = false;        // with the stage's own budget
    int leastMagic = 0;           // least starting MagicCount that clears; 0 when none found
    std::size_t states = 0;       // states of every exact search run for this report, together
    std::size_t goalStates = 0;   // states the goal-directed search looked at
    std::size_t proofStates = 0;  // states searched to show leastMagic - 1 is not enough
    std::size_t peakBytes = 0;    // the most the searches held at once, in bytes
    int leaves = -1;              // a cell from which a walk leaves the board; -1 when none
    Board leavesBoard;            // the board on which it does
    int exits = 0;                // the ways off the board (kOffLeft, kOffTop)
    Plan plan;                    // the solution with leastMagic, as clicks
    bool replayed = false;        // the real game cleared the stage with the script
    std::string problem;          // why there is no checked solution
    game::Phrase problemWords;    // the same, for a front end to translate (setProblem)
    // Cancelled: nothing above but stageNo and states holds. Cut short: a
    // search that found no clear stopped at the state limit.
    Ending ending;
    DecidedBy decidedBy = DecidedBy::Exact;
    // Why no play clears the stage, when a check showed it without a search.
    std::optional<Refutation> refutation;
    // The verdict above holds: a checked solution within the budget, a
    // refutation, or an exact search at the budget run to its end.
    bool verdictProven = true;
    // leastMagic is only the least found so far: the search one point below
    // it was cut short. shortestSoFar: the plan's casts are the fewest found
    // so far, as the exact search at the least magic was cut short.
    bool leastMagicSoFar = false;
    bool shortestSoFar = false;
    // The proof holds: no search was cut short. A walk over the top is
    // followed like any other, and one past column 1 only comes back.
    bool complete() const { return ending.finished(); }
    bool operator==(const StageReport&) const = default;
};

// Says why there is no checked solution, in English and for translation, with
// the reason no play clears the stage after it when there is one.
void setProblem(StageReport& rep, game::Phrase why,
                const std::optional<Refutation>& refutation = std::nullopt);


// Solves a stage: whether its budget clears it, the least starting magic (the
// search one point below it runs to exhaustion), a solution with that magic,
// and, when the options hold a check, its replay through the game. Each
// search runs once.
StageReport solveStage(const Stage& stage, int stageNo, const Options& options = {});

// The stage number in a name like "mmap12.bkm"; 1 for any other name.
int stageNumberOf(const std::string& fileName);

}  // namespace solver
