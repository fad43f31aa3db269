// The workshop's live proof: from an edit to the verdict and to the whole
// analysis, through the workshop's own scheduling (its proving thread, the
// hand-over of each value), against the solver library called directly on the
// same stage, both in one run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "game/files.h"
#include "workshop/core/stage_proof.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

std::vector<game::StageDesc> shippedStages(benchmark::State& state) {
    std::vector<game::StageDesc> out;
    for (int n = 1; n <= game::kStageCount; ++n) {
        auto desc = game::readStageFile(LUMORA_STAGES_DIR, game::stageFileName(n));
        if (auto* e = std::get_if<game::FileError>(&desc)) {
            state.SkipWithError(e->message.c_str());
            return {};
        }
        out.push_back(std::get<game::StageDesc>(desc));
    }
    return out;
}

struct Times {
    double verdict = 0;
    double analysis = 0;
};

// The library on this thread, as a caller without the workshop would use it.
Times direct(const game::StageDesc& stage) {
    solver::ProofControl control;
    const auto start = Clock::now();
    Times t;
    workshop::proveStage(stage, control,
                         [&](const workshop::StageVerdict&) { t.verdict = msSince(start); });
    t.analysis = msSince(start);
    return t;
}

// The workshop's way: the edit submits the stage and the window's thread is
// handed the verdict and then the result.
class Workshop {
public:
    Workshop()
        : scheduler_(
              [](const game::StageDesc& s, solver::ProofControl& c,
                 const workshop::StageProofScheduler::ReportVerdict& v) {
                  return workshop::proveStage(s, c, v);
              },
              [this](std::uint64_t, const workshop::StageVerdict&) { note(times_.verdict, false); },
              [this](std::uint64_t, const workshop::StageProof&) { note(times_.analysis, true); }) {}

    Times edit(const game::StageDesc& stage) {
        std::unique_lock lock(mutex_);
        times_ = {};
        done_ = false;
        start_ = Clock::now();
        scheduler_.submit(stage);
        arrived_.wait(lock, [this] { return done_; });
        return times_;
    }

private:
    void note(double& at, bool done) {
        std::lock_guard lock(mutex_);
        at = msSince(start_);
        done_ = done;
        arrived_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable arrived_;
    Times times_;
    bool done_ = false;
    Clock::time_point start_;
    workshop::StageProofScheduler scheduler_;  // last: its thread calls the members above
};

void editToVerdict(benchmark::State& state) {
    const auto stages = shippedStages(state);
    Workshop workshop;
    for (auto _ : state) {
        Times worstDirect, worstWorkshop;
        int verdictStage = 0, analysisStage = 0;
        for (std::size_t i = 0; i < stages.size(); ++i) {
            const Times d = direct(stages[i]);
            const Times w = workshop.edit(stages[i]);
            if (w.verdict > worstWorkshop.verdict)
                worstWorkshop.verdict = w.verdict, verdictStage = static_cast<int>(i) + 1;
            if (w.analysis > worstWorkshop.analysis)
                worstWorkshop.analysis = w.analysis, analysisStage = static_cast<int>(i) + 1;
            worstDirect.verdict = std::max(worstDirect.verdict, d.verdict);
            worstDirect.analysis = std::max(worstDirect.analysis, d.analysis);
        }
        state.counters["verdict_ms"] = worstWorkshop.verdict;
        state.counters["verdict_direct_ms"] = worstDirect.verdict;
        state.counters["verdict_ratio"] = worstWorkshop.verdict / worstDirect.verdict;
        state.counters["verdict_stage"] = verdictStage;
        state.counters["analysis_ms"] = worstWorkshop.analysis;
        state.counters["analysis_direct_ms"] = worstDirect.analysis;
        state.counters["analysis_ratio"] = worstWorkshop.analysis / worstDirect.analysis;
        state.counters["analysis_stage"] = analysisStage;
    }
}
BENCHMARK(editToVerdict)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
