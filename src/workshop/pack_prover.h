#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "game/stage_desc.h"
#include "solver/proof.h"
#include "solver/table.h"
#include "workshop/core/proof_scheduler.h"

namespace workshop {

// What the pack view shows of one stage: its row of the stage table and
// the numbers its plot draws.
struct ProvenStage {
    solver::TableRow cells{};           // the stage number left for the view to fill
    std::optional<game::Phrase> error;  // why it could not be proven at all
    bool solvable = false;              // with its own budget
    bool decided = true;  // false: undecided, the proof stopped at its memory or states
    int leastMagic = 0;
    int casts = 0;
    std::size_t proofStates = 0;
    std::vector<game::ScriptStep> solution;  // the shortest found, checked in the game
};

// The key a proven stage is remembered by: the stage file's text, which
// holds everything a proof depends on.
std::string proofKey(const game::StageDesc& stage);

ProvenStage proveForTable(const game::StageDesc& stage, solver::ProofControl* control);
// The row of a proof made elsewhere (the live proof of the stage being edited).
ProvenStage rowOf(const solver::Stage& stage, const solver::ProofResult& proof);

// A proven stage with the key it is remembered by.
struct ProvenRow {
    std::string key;
    ProvenStage row;
};

// Proves a pack's stages one after another on the workshop's proof scheduler:
// each stage's row is handed over as it is proven, and a new submission (the
// pack changed) stops the rest, which may be proven already.
using PackProver =
    ProofScheduler<bool, ProvenRow, solver::ProofControl, std::vector<game::StageDesc>>;
std::optional<bool> proveRows(const std::vector<game::StageDesc>& stages,
                              solver::ProofControl& control,
                              const PackProver::ReportVerdict& report);

}  // namespace workshop
