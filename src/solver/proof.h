#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "game/stage_desc.h"
#include "solver/report.h"
#include "solver/search.h"
#include "solver/stage.h"
#include "solver/validate.h"

namespace solver {

struct ProofOptions {
    int stageNo = 1;  // for the script's heading and the save file of the replay
    int magicCap = kMagicCap;
    std::size_t maxStates = kMaxStates;
    std::size_t analysisStates = kAnalysisStates;
    std::size_t boardCap = kBoardCap;
    // What each search's states may take, in bytes.
    std::size_t memoryBudget = kMemoryBudget;
    bool analyse = true;  // off: the verdict alone
    // Stop the search itself once the verdict is settled (see SolveOptions).
    bool verdictOnly = false;
    // States the goal-directed search may look at before the exact search; 0
    // leaves it out, for callers that need the exact figures in any case.
    std::size_t goalStates = kBestFirstStates;
    InGameCheck check;  // play the solution in the real game, which takes a while
};

// A proof running on another thread: set cancel to stop it; states counts the
// states searched so far. onVerdict, when set, is called on the proving
// thread once the exact search has its figures, before the slower analysis;
// onFirstVerdict as soon as a refutation or a checked clear within the budget
// settles the verdict, its least magic and solution then those found so far
// (see StageReport's leastMagicSoFar and shortestSoFar).
struct ProofControl : SearchControl {
    std::function<void(const StageReport&)> onVerdict;
    std::function<void(const StageReport&)> onFirstVerdict;
};

// What the budget demands beyond clearing: the moves it cannot do without,
// the boards a clear ends on, and whether the early-count rule costs magic.
struct Analysis {
    Validation validation;
    EarlyCount earlyCount;
    bool operator==(const Analysis&) const = default;
};

struct ProofResult {
    // Cancelled: the verdict or the analysis below is missing for it. Cut
    // short: a search of the verdict or the analysis stopped at its state limit.
    Ending ending;
    // Present only when finished: whether the budget clears it, the least
    // magic, a shortest solution as clicks, the ways off the board.
    std::optional<StageReport> verdict;
    // Present when the verdict says solvable and the analysis was asked for
    // and finished.
    std::optional<Analysis> analysis;
    std::size_t states = 0;  // every search together, cancelled ones included
    bool operator==(const ProofResult&) const = default;
};

// Proves one stage. Holds no state of its own outside the call, so proofs of
// different stages may run on different threads at once.
ProofResult prove(const Stage& stage, const ProofOptions& options = {},
                  ProofControl* control = nullptr);
// The same from a stage description; a start not on solid ground is the error.
std::variant<ProofResult, std::string> prove(const game::StageDesc& desc,
                                             const ProofOptions& options = {},
                                             ProofControl* control = nullptr);

}  // namespace solver
