#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "game/files.h"
#include "report.h"

namespace {

// The whole job of `lumora-solve --table stages/`: every stage solved, its
// least magic proved, its solution replayed through the game.
void allStages(benchmark::State& state) {
    std::vector<std::pair<solver::Stage, std::string>> stages;
    for (int n = 1; n <= 28; ++n) {
        const std::string path = std::string(LUMORA_STAGES_DIR) + "/" + game::stageFileName(n);
        auto parsed = solver::loadStage(path);
        if (!std::holds_alternative<solver::Stage>(parsed)) {
            state.SkipWithError("a stage file does not load");
            return;
        }
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        stages.emplace_back(std::get<solver::Stage>(parsed), bytes.str());
    }
    for (auto _ : state) {
        std::size_t states = 0;
        for (std::size_t i = 0; i < stages.size(); ++i) {
            const auto rep =
                solver::solveStage(stages[i].first, static_cast<int>(i) + 1, stages[i].second);
            if (!rep.replayed) state.SkipWithError("a stage has no checked solution");
            states += rep.states + rep.proofStates;
        }
        state.counters["states"] = static_cast<double>(states);
    }
}
BENCHMARK(allStages)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
