#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/stage_desc.h"
#include "solver/proof.h"
#include "workshop/core/editing.h"
#include "workshop/core/proof_scheduler.h"

namespace workshop {

// What a proof of the stage being edited came to: the solver's result, or why
// the stage cannot be proven at all, and the answers its final boards give,
// the shortest solution's first.
struct StageProof {
    std::optional<game::Phrase>
        problem;  // a stage the solver cannot take (no ground under the start)
    solver::ProofResult proof;
    std::vector<AnswerMarks> answers;
};

// The verdict part of a proof: the solver's report and the shortest
// solution's answer. A first verdict comes as soon as a refutation or a
// checked clear settles it, its least magic and solution those found so far;
// the final one once the exact search has its figures.
struct StageVerdict {
    solver::StageReport report;
    AnswerMarks answer{};
    bool final = true;
};

using StageProofScheduler = ProofScheduler<StageProof, StageVerdict, solver::ProofControl>;

// The workshop proves on every edit: the verdict must come at once, and an
// analysis may stop early on a loose stage rather than keep the designer
// waiting. Each search takes at most the workshop's memory setting.
solver::Options panelOptions();
// The memory each search of a workshop proof may take, in megabytes: the
// workshop's setting, for every proof it runs from then on.
void setProofMemoryMB(std::size_t megabytes);
// The setting's range and step: below the least, even small stages would run
// out; the most is what a large desktop can spare.
inline constexpr int kMinProofMemoryMB = 64;
inline constexpr int kMaxProofMemoryMB = 16'384;
inline constexpr int kProofMemoryStepMB = 64;
std::size_t proofMemoryMB();

// The workshop's proof of one stage, on the proving thread: the verdict is
// handed to `verdict` as soon as the solver knows it, the rest is returned.
// Nothing when the proof was cancelled.
std::optional<StageProof> proveStage(const game::StageDesc& stage, solver::ProofControl& control,
                                     const std::function<void(const StageVerdict&)>& verdict);

// Why the budget does not clear the stage, in the designer's words.
game::Phrase whyNotSolvable(const game::StageDesc& stage, const solver::StageReport& report);

}  // namespace workshop
