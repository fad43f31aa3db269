#include "workshop/pack_prover.h"

#include "solver/stage.h"
#include "workshop/core/stage_proof.h"

namespace workshop {

std::string proofKey(const game::StageDesc& stage) { return game::writeStageText(stage); }

ProvenStage proveForTable(const game::StageDesc& stage, solver::ProofControl* control) {
    ProvenStage out;
    if ((out.error = solver::stageProblem(stage))) return out;
    auto parsed = solver::stageFromDesc(stage, "stage");
    const auto& s = std::get<solver::Stage>(parsed);
    const solver::ProofResult proof = solver::prove(s, panelOptions(), control);
    if (proof.ending.cancelled || !proof.verdict) return out;
    return rowOf(s, proof);
}

ProvenStage rowOf(const solver::Stage& s, const solver::ProofResult& proof) {
    ProvenStage out;
    out.cells = solver::tableRow(0, s, proof);
    out.solvable = proof.verdict->solvable;
    out.decided = proof.verdict->verdictProven;
    out.leastMagic = proof.verdict->leastMagic;
    out.casts = proof.verdict->plan.casts;
    out.proofStates = proof.verdict->proofStates;
    if (out.solvable) out.solution = proof.verdict->plan.steps;
    return out;
}

std::optional<bool> proveRows(const std::vector<game::StageDesc>& stages,
                              solver::ProofControl& control,
                              const PackProver::ReportVerdict& report) {
    for (const game::StageDesc& stage : stages) {
        const ProvenStage row = proveForTable(stage, &control);
        if (control.cancel) return std::nullopt;
        report(ProvenRow{proofKey(stage), row});
    }
    return true;
}

}  // namespace workshop
