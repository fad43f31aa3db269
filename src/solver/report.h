#pragma once

#include <cstddef>
#include <string>

#include "solver/plan.h"
#include "solver/search.h"
#include "solver/stage.h"

namespace solver {

// Everything lumora-solve finds out about one stage.
struct StageReport {
    int stageNo = 1;
    bool solvable = false;        // with the stage's own budget
    int leastMagic = 0;           // least starting MagicCount that clears; 0 when none found
    std::size_t states = 0;       // states of every search run for this report, together
    std::size_t proofStates = 0;  // states searched to show leastMagic - 1 is not enough
    bool complete = true;    // false when a search hit the state limit or could leave over the top
    int leaves = -1;         // a cell from which a walk leaves the board; -1 when none
    Board leavesBoard;       // the board on which it does
    int exits = 0;           // the ways off the board (kOffLeft, kOffTop)
    Plan plan;               // the solution with leastMagic, as clicks
    bool replayed = false;   // the real game cleared the stage with the script
    std::string problem;     // why there is no checked solution
    bool cancelled = false;  // stopped on request: nothing above but stageNo and states holds
    bool operator==(const StageReport&) const = default;
};

struct SolveOptions {
    int magicCap = 200;  // how far past the budget to look for the least magic
    std::size_t maxStates = 50'000'000;
    bool replay = true;  // check the solution in the real game
    SearchControl* control = nullptr;
};

// Solves a stage: whether its budget clears it, the least starting magic (the
// search one point below it runs to exhaustion), a solution with that magic,
// and its replay through the game. Each search runs once. `stageFile` is the file as the game
// would read it.
StageReport solveStage(const Stage& stage, int stageNo, const std::string& stageFile,
                       const SolveOptions& options = {});

// The stage number in a name like "mmap12.bkm"; 1 for any other name.
int stageNumberOf(const std::string& fileName);

}  // namespace solver
