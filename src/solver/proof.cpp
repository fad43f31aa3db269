#include "solver/proof.h"

#include "solver/plan.h"

namespace solver {

namespace {

bool cancelRequested(const ProofControl* control) {
    return control != nullptr && control->cancel.load(std::memory_order_relaxed);
}

std::optional<Analysis> analyse(const Stage& stage, const StageReport& verdict,
                                const Options& options, ProofControl* control,
                                std::size_t& states) {
    Analysis a;
    a.validation = validateStage(stage, options.boardCap, options.analysisStates, control,
                                 options.memoryBudget);
    states += a.validation.states;
    if (a.validation.ending.cancelled) return std::nullopt;
    a.earlyCount = earlyCountCosts(stage, verdict.leastMagic, options.analysisStates, control,
                                   options.memoryBudget);
    states += a.earlyCount.states;
    // A search stopped by the cancel answers no, which would be a claim.
    if (cancelRequested(control)) return std::nullopt;
    return a;
}

}  // namespace

ProofResult prove(const Stage& stage, const Options& options, ProofControl* control) {
    ProofResult result;
    // The proof's control is the one its searches read and report to.
    Options solve = options;
    solve.control = control;
    solve.onFirstVerdict = control != nullptr ? control->onFirstVerdict : nullptr;
    StageReport verdict = solveStage(stage, options.stageNo, solve);
    result.states = verdict.states + verdict.goalStates;
    result.ending.cutShort = verdict.ending.cutShort;
    result.ending.outOfMemory = verdict.ending.outOfMemory;
    if (verdict.ending.cancelled || cancelRequested(control)) {
        result.ending.cancelled = true;
        return result;
    }
    if (control != nullptr && control->onVerdict) control->onVerdict(verdict);
    result.verdict = std::move(verdict);
    if (!options.analyse || !result.verdict->solvable) return result;
    result.analysis = analyse(stage, *result.verdict, options, control, result.states);
    result.ending.cancelled = !result.analysis;
    if (result.analysis) {
        result.ending.add(result.analysis->validation.ending);
        result.ending.add(result.analysis->earlyCount.ending);
    }
    return result;
}

std::variant<ProofResult, std::string> prove(const game::StageDesc& desc,
                                             const Options& options, ProofControl* control) {
    auto stage = stageFromDesc(desc, "stage " + std::to_string(options.stageNo));
    if (auto* why = std::get_if<std::string>(&stage)) return *why;
    return prove(std::get<Stage>(stage), options, control);
}

}  // namespace solver
