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
ProofResult prove(const Stage& stage, const Options& options = {},
                  ProofControl* control = nullptr);
// The same from a stage description; a start not on solid ground is the error.
std::variant<ProofResult, std::string> prove(const game::StageDesc& desc,
                                             const Options& options = {},
                                             ProofControl* control = nullptr);

}  // namespace solver
