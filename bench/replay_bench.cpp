#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "headless/replay.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Memory-backed where the system has it, so the replay times the game and not
// the disk; the disk's temporary folder otherwise.
fs::path memoryFolder() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// A program folder holding every shipped stage, its answer and a save file.
struct StageFolder {
    fs::path path;
    std::vector<std::string> scripts;

    explicit StageFolder(const fs::path& base) {
        path = base / ("lumora-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(path);
        const fs::path stages(LUMORA_STAGES_DIR);
        for (int n = 1; n <= 28; ++n) {
            for (const char* kind : {"mmap", "amap"}) {
                const std::string name = kind + std::to_string(n) + ".bkm";
                fs::copy_file(stages / name, path / name, fs::copy_options::overwrite_existing);
            }
            scripts.push_back(
                slurp(stages / "solutions" / ("stage" + std::to_string(n) + ".replay")));
        }
    }
    ~StageFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

// The whole game, headless, from the menu's Load through every click and tick
// of a stage's solution to its clear: all 28 stages, one after another.
void replayStagesIn(benchmark::State& state, const fs::path& base) {
    StageFolder folder(base);
    std::int64_t events = 0;
    for (auto _ : state) {
        for (int n = 1; n <= 28; ++n) {
            {
                std::ofstream save(folder.path / "save.bkm", std::ios::binary);
                save << n << "\r\n";
            }
            std::istringstream script(folder.scripts[static_cast<std::size_t>(n - 1)]);
            std::ostringstream out, err;
            if (headless::run(folder.path.string(), script, out, err) != 0) {
                state.SkipWithError("a solution did not replay");
                return;
            }
            benchmark::DoNotOptimize(out.str().size());
            ++events;
        }
    }
    state.counters["stages/s"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kIsRate);
}
void replayAllStages(benchmark::State& state) { replayStagesIn(state, memoryFolder()); }
BENCHMARK(replayAllStages)->Unit(benchmark::kMillisecond);

// The same with the files on the disk's temporary folder: the share the
// file writes take.
void replayAllStagesOnDisk(benchmark::State& state) {
    replayStagesIn(state, fs::temp_directory_path());
}
BENCHMARK(replayAllStagesOnDisk)->Unit(benchmark::kMillisecond);

}  // namespace
