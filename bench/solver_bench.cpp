#include <benchmark/benchmark.h>
#include <pthread.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "game/files.h"
#include "headless/check.h"
#include "solver/proof.h"
#include "solver/report.h"
#include "solver/search.h"

namespace {

std::vector<std::pair<solver::Stage, std::string>> loadStages(benchmark::State& state) {
    std::vector<std::pair<solver::Stage, std::string>> stages;
    for (int n = 1; n <= game::kStageCount; ++n) {
        const std::string path = std::string(LUMORA_STAGES_DIR) + "/" + game::stageFileName(n);
        auto parsed = solver::loadStage(path);
        if (!std::holds_alternative<solver::Stage>(parsed)) {
            state.SkipWithError("a stage file does not load");
            return {};
        }
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        stages.emplace_back(std::get<solver::Stage>(parsed), bytes.str());
    }
    return stages;
}

// Every stage solved, its least magic proved and its solution replayed
// through the game, each search run once.
void allStagesProved(benchmark::State& state) {
    const auto stages = loadStages(state);
    for (auto _ : state) {
        std::size_t states = 0;
        for (std::size_t i = 0; i < stages.size(); ++i) {
            solver::Options options;
            options.check = headless::checkInGame;
            const auto rep = solver::solveStage(stages[i].first, static_cast<int>(i) + 1, options);
            if (!rep.replayed) state.SkipWithError("a stage has no checked solution");
            states += rep.states;
        }
        state.counters["states"] = static_cast<double>(states);
    }
}
BENCHMARK(allStagesProved)->Unit(benchmark::kMillisecond)->Iterations(3);

// The baseline: the same proofs found the way the solver used to, by
// doubling and bisection from 1, with the proof and the solution searched
// again at the end.
void allStagesBisected(benchmark::State& state) {
    const auto stages = loadStages(state);
    for (auto _ : state) {
        std::size_t states = 0;
        for (const auto& [stage, bytes] : stages) {
            auto run = [&](int magic) {
                const solver::SearchResult r = solver::search(stage, {magic, true});
                states += r.states;
                return r.cleared;
            };
            int hi = run(stage.magic) ? stage.magic : 0;
            for (int m = stage.magic * 2; hi == 0 && m <= 200; m *= 2)
                if (run(m)) hi = m;
            int lo = 1;
            while (lo < hi) {
                const int mid = lo + (hi - lo) / 2;
                if (run(mid))
                    hi = mid;
                else
                    lo = mid + 1;
            }
            if (hi > 1) run(hi - 1);
            run(hi);
            (void)bytes;
        }
        state.counters["states"] = static_cast<double>(states);
    }
}
BENCHMARK(allStagesBisected)->Unit(benchmark::kMillisecond)->Iterations(3);

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

double cpuMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return 1e3 * static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e6;
}

// What the workshop waits for after an edit: each stage's verdict (the
// callback's moment) and its whole analysis, no replay, in the proving
// thread's CPU time, which the load of a shared machine does not stretch.
// The counters are the slowest stage's times and its number, and the wall
// times of that stage.
void workshopProofs(benchmark::State& state) {
    const auto stages = loadStages(state);
    for (auto _ : state) {
        double slowestVerdict = 0, slowestAnalysis = 0, verdictWall = 0, analysisWall = 0;
        int verdictStage = 0, analysisStage = 0;
        for (std::size_t i = 0; i < stages.size(); ++i) {
            solver::ProofControl control;
            const auto start = Clock::now();
            const double cpuStart = cpuMs(CLOCK_THREAD_CPUTIME_ID);
            double verdictMs = 0, verdictWallMs = 0;
            control.onVerdict = [&](const solver::StageReport&) {
                verdictMs = cpuMs(CLOCK_THREAD_CPUTIME_ID) - cpuStart;
                verdictWallMs = msSince(start);
            };
            const auto proof = solver::prove(stages[i].first, {}, &control);
            const double analysisMs = cpuMs(CLOCK_THREAD_CPUTIME_ID) - cpuStart;
            if (!proof.analysis) state.SkipWithError("a stage has no analysis");
            const int n = static_cast<int>(i) + 1;
            if (verdictMs > slowestVerdict)
                slowestVerdict = verdictMs, verdictStage = n, verdictWall = verdictWallMs;
            if (analysisMs > slowestAnalysis)
                slowestAnalysis = analysisMs, analysisStage = n, analysisWall = msSince(start);
        }
        state.counters["verdict_cpu_ms"] = slowestVerdict;
        state.counters["verdict_wall_ms"] = verdictWall;
        state.counters["verdict_stage"] = verdictStage;
        state.counters["analysis_cpu_ms"] = slowestAnalysis;
        state.counters["analysis_wall_ms"] = analysisWall;
        state.counters["analysis_stage"] = analysisStage;
    }
}
BENCHMARK(workshopProofs)->Unit(benchmark::kMillisecond)->Iterations(3);

// A proof of the slowest stage cancelled at random moments from another
// thread: the worst wall time from the cancel to prove() returning, and the
// worst CPU time the proving thread spent in it, which a loaded machine's
// scheduler does not stretch.
void cancelLatency(benchmark::State& state) {
    const auto stages = loadStages(state);
    if (stages.empty()) return;
    const solver::Stage& stage = stages.back().first;
    const auto whole = Clock::now();
    solver::prove(stage);
    const double wholeMs = msSince(whole);
    std::mt19937 random(28);
    for (auto _ : state) {
        double worstWall = 0, worstCpu = 0;
        int cancelled = 0;
        for (int run = 0; run < 100; ++run) {
            solver::ProofControl control;
            bool stopped = false;
            double cpuAtReturn = 0;
            std::thread prover([&] {
                stopped = solver::prove(stage, {}, &control).ending.cancelled;
                cpuAtReturn = cpuMs(CLOCK_THREAD_CPUTIME_ID);
            });
            clockid_t proverClock{};
            pthread_getcpuclockid(prover.native_handle(), &proverClock);
            std::this_thread::sleep_for(std::chrono::microseconds(
                std::uniform_int_distribution<long>(0, static_cast<long>(wholeMs * 1000))(random)));
            const double cpuAtCancel = cpuMs(proverClock);
            const auto cancelledAt = Clock::now();
            control.cancel = true;
            prover.join();
            if (!stopped) continue;
            ++cancelled;
            worstWall = std::max(worstWall, msSince(cancelledAt));
            worstCpu = std::max(worstCpu, cpuAtReturn - cpuAtCancel);
        }
        state.counters["cancelled"] = cancelled;
        state.counters["worst_wall_ms"] = worstWall;
        state.counters["worst_cpu_ms"] = worstCpu;
        state.counters["whole_ms"] = wholeMs;
    }
}
BENCHMARK(cancelLatency)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// `lumora-solve --table stages/` as a player runs it, validation included:
// wall time, and the child's CPU time as a counter.
void tableProcess(benchmark::State& state) {
    const std::string command =
        std::string(LUMORA_SOLVE) + " --table " + LUMORA_STAGES_DIR + " > /dev/null";
    for (auto _ : state) {
        rusage before{}, after{};
        getrusage(RUSAGE_CHILDREN, &before);
        if (std::system(command.c_str()) != 0) state.SkipWithError("lumora-solve --table failed");
        getrusage(RUSAGE_CHILDREN, &after);
        auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
        state.counters["cpu_s"] = seconds(after.ru_utime) + seconds(after.ru_stime) -
                                  seconds(before.ru_utime) - seconds(before.ru_stime);
    }
}
BENCHMARK(tableProcess)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
