#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "game/stage_desc.h"
#include "solver/proof.h"
#include "solver/table.h"

namespace workshop {

// What the pack view shows of one stage: its row of the stage table and
// the numbers its plot draws.
struct ProvenStage {
    solver::TableRow cells{};  // the stage number left for the view to fill
    std::string error;         // why it could not be proven at all; empty when it was
    bool solvable = false;     // with its own budget
    int leastMagic = 0;
    int casts = 0;
    std::size_t proofStates = 0;
};

// The key a proven stage is remembered by: the stage file's text, which
// holds everything a proof depends on.
std::string proofKey(const game::StageDesc& stage);

ProvenStage proveForTable(const game::StageDesc& stage, solver::ProofControl* control);

// Proves stages one after another on a worker thread of its own. Each
// submission replaces the one before and stops the proof that is running:
// the pack changed, so what was left to prove may be proven already.
class PackProver {
public:
    // Called on the worker thread for each stage proven, with its key: it
    // must return quickly (hand the row to the window's thread).
    using OnProven = std::function<void(const std::string& key, const ProvenStage& row)>;

    explicit PackProver(OnProven onProven);
    ~PackProver();
    PackProver(const PackProver&) = delete;
    PackProver& operator=(const PackProver&) = delete;

    void submit(std::vector<game::StageDesc> stages);

private:
    void run();

    const OnProven onProven_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::vector<game::StageDesc>> pending_;
    solver::ProofControl* running_ = nullptr;  // the proof under way, to stop it
    bool stopping_ = false;
    std::thread worker_;  // last: starts once everything above is made
};

}  // namespace workshop
