#include "workshop/pack_prover.h"

#include <utility>

#include "solver/stage.h"

namespace workshop {

std::string proofKey(const game::StageDesc& stage) { return game::writeStageText(stage); }

ProvenStage proveForTable(const game::StageDesc& stage, solver::ProofControl* control) {
    ProvenStage out;
    auto parsed = solver::stageFromDesc(stage, "stage");
    if (auto* e = std::get_if<std::string>(&parsed)) {
        out.error = *e;
        return out;
    }
    const auto& s = std::get<solver::Stage>(parsed);
    const solver::ProofResult proof = solver::prove(s, solver::ProofOptions{}, control);
    if (proof.cancelled || !proof.verdict) return out;
    out.cells = solver::tableRow(0, s, proof);
    out.solvable = proof.verdict->solvable;
    out.leastMagic = proof.verdict->leastMagic;
    out.casts = proof.verdict->plan.casts;
    out.proofStates = proof.verdict->proofStates;
    return out;
}

PackProver::PackProver(OnProven onProven)
    : onProven_(std::move(onProven)), worker_([this] { run(); }) {}

PackProver::~PackProver() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (running_ != nullptr) running_->cancel = true;
    }
    wake_.notify_one();
    worker_.join();
}

void PackProver::submit(std::vector<game::StageDesc> stages) {
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(stages);
        if (running_ != nullptr) running_->cancel = true;
    }
    wake_.notify_one();
}

void PackProver::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
        if (stopping_) return;
        const std::vector<game::StageDesc> stages = std::move(*pending_);
        pending_.reset();
        for (const game::StageDesc& stage : stages) {
            if (stopping_ || pending_) break;
            solver::ProofControl control;
            running_ = &control;
            lock.unlock();
            const ProvenStage row = proveForTable(stage, &control);
            const bool finished = !control.cancel;
            lock.lock();
            running_ = nullptr;
            if (finished && !stopping_) onProven_(proofKey(stage), row);
        }
    }
}

}  // namespace workshop
