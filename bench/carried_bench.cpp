// Opening a pack file in the workshop: every solution it carries played
// through the whole game in virtual time on the workshop's worker, from the
// file's text to the last verdict handed over. A full pack of 99 stages
// (the 28 shipped ones again and again, each with its shipped solution) must
// be known within a second, the window never waiting for it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <fstream>
#include <mutex>
#include <sstream>

#include "game/files.h"
#include "game/pack_file.h"
#include "workshop/core/pack_solutions.h"

namespace {

std::string shipped(const std::string& name) {
    std::ifstream in(std::string(LUMORA_STAGES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string fullPackFile() {
    game::PackContents contents{{{"Full", "Bench", "CC0-1.0", game::kMaxPackStages}, {}}, {}};
    for (int i = 0; i < game::kMaxPackStages; ++i) {
        const int n = i % game::kStageCount + 1;
        auto desc = std::get<game::StageDesc>(
            game::parseStageText("stage", shipped(game::stageFileName(n))));
        (void)game::parseAnswerText("answer", shipped(game::answerFileName(n)), desc);
        contents.pack.stages.push_back(desc);
        contents.solutions.push_back(shipped("solutions/stage" + std::to_string(n) + ".replay"));
    }
    return game::writePackFileText(contents);
}

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void checkCarriedSolutions(benchmark::State& state) {
    const std::string text = fullPackFile();
    std::mutex mutex;
    std::condition_variable arrived;
    int checked = 0, cleared = 0;
    workshop::CarriedChecker checker(
        workshop::checkAllCarried,
        [&](std::uint64_t, const workshop::CarriedCheck& c) {
            std::lock_guard lock(mutex);
            ++checked;
            cleared += c.clears ? 1 : 0;
            arrived.notify_all();
        },
        [](std::uint64_t, bool) {});
    double worstMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = processCpuMs();
        auto read = game::parsePackFile("full.lumora", text);
        if (auto* e = std::get_if<game::FileError>(&read)) {
            state.SkipWithError(e->message.c_str());
            return;
        }
        std::unique_lock lock(mutex);
        checked = cleared = 0;
        checker.submit(workshop::carriedOf(std::get<game::PackContents>(read)));
        arrived.wait(lock, [&] { return checked == game::kMaxPackStages; });
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        worstMs = std::max(worstMs, ms);
        state.counters["cpu_ms"] = processCpuMs() - cpuStart;
    }
    state.counters["worst_wall_ms"] = worstMs;
    state.counters["cleared"] = cleared;
}
BENCHMARK(checkCarriedSolutions)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
