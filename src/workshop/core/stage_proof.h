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
    std::string problem;  // a stage the solver cannot take (no ground under the start)
    solver::ProofResult proof;
    std::vector<AnswerMarks> answers;
};

// The verdict part of a proof: the solver's report and the shortest
// solution's answer.
struct StageVerdict {
    solver::StageReport report;
    AnswerMarks answer{};
};

using StageProofScheduler = ProofScheduler<StageProof, StageVerdict, solver::ProofControl>;

// The workshop proves on every edit: the verdict must come at once, and an
// analysis may stop early on a loose stage rather than keep the designer waiting.
solver::ProofOptions panelOptions();

// The workshop's proof of one stage, on the proving thread: the verdict is
// handed to `verdict` as soon as the solver knows it, the rest is returned.
// Nothing when the proof was cancelled.
std::optional<StageProof> proveStage(const game::StageDesc& stage, solver::ProofControl& control,
                                     const std::function<void(const StageVerdict&)>& verdict);

// Why the budget does not clear the stage, in the designer's words.
std::string whyNotSolvable(const game::StageDesc& stage, const solver::StageReport& report);

}  // namespace workshop
