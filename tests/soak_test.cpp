// Whole games played at random against the shipped stages, the rules checked
// after every event. Each run takes a new seed; a failure prints it with a
// replay script. LUMORA_SOAK_SEED replays a seed, LUMORA_SOAK_EVENTS sets the
// length (10^5 by default; 10^7 before a release, see README).

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>

#include "forms/program.h"
#include "game/file_io.h"
#include "game/files.h"
#include "support/fixture.h"
#include "support/random_play.h"

namespace {

// The soak is after the rules, not the disk: a flush to the disk per save would
// take most of its time.
class NoFlushIo : public game::FileIo {
public:
    int flush(int) override { return 0; }
    int flushFolder(const std::string&) override { return 0; }
};

std::uint64_t fromEnv(const char* name, std::uint64_t otherwise) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::strtoull(v, nullptr, 10) : otherwise;
}

// The game's own stages, and a pack of three of them, whose Stage Clear after
// the last goes back to the first; each takes its share of the events.
struct Setting {
    const char* what;
    int packStages;  // 0: every shipped stage, no pack.ini
    std::uint64_t quarters;
};
constexpr Setting kSettings[] = {{"the game's own stages", 0, 3}, {"a pack of 3", 3, 1}};

void copyStages(const testing_support::TempFolder& folder, int packStages) {
    for (const auto& e : std::filesystem::directory_iterator(LUMORA_STAGES_DIR)) {
        const std::string name = e.path().filename().string();
        if (e.path().extension() != ".bkm") continue;
        const int n = std::atoi(name.c_str() + 4);
        if (packStages == 0 || n <= packStages)
            std::filesystem::copy_file(e.path(), folder.path() + "/" + name);
    }
    if (packStages > 0) testing_support::writePackIni(folder, packStages);
}

TEST(Soak, RandomGamesKeepEveryRule) {
    const std::uint64_t seed = fromEnv("LUMORA_SOAK_SEED", std::random_device{}());
    const std::uint64_t total = fromEnv("LUMORA_SOAK_EVENTS", 100000);
    std::cout << "soak seed " << seed << ", " << total << " events\n";
    std::mt19937_64 rng(seed);
    auto pick = [&rng](std::uint32_t n) {
        return static_cast<std::uint32_t>(
            std::uniform_int_distribution<std::uint64_t>(0, n - 1)(rng));
    };

    NoFlushIo io;
    game::ScopedFileIo noFlush(io);
    for (const Setting& setting : kSettings) {
        testing_support::TempFolder folder;
        copyStages(folder, setting.packStages);
        const int stageCount = setting.packStages > 0 ? setting.packStages : game::kStageCount;
        const std::uint64_t wanted = total * setting.quarters / 4;
        std::uint64_t events = 0, games = 0;
        while (events < wanted) {
            const float twips = pick(2) == 0 ? 15.0f : 12.0f;
            ui::LumoraProgram game(folder.path(), folder.path(), twips, stageCount);
            game.start();
            ++games;
            testing_support::RandomPlayer player(game, twips, pick);
            while (!game.program().ended() && events + player.events() < wanted) {
                const std::string broken = player.step();
                if (!broken.empty()) {
                    FAIL() << "seed " << seed << ", " << setting.what << ", event "
                           << events + player.events() << ": " << broken
                           << "\nReplay with the same stages (and pack.ini) in an empty folder F:\n"
                           << "  lumora-replay F <<'EOF'\n"
                           << player.script() << "show\nboard\nEOF";
                }
            }
            ASSERT_FALSE(game.program().fatalError())
                << "seed " << seed << ", " << setting.what << ": " << *game.program().fatalError();
            events += player.events();
        }
        std::cout << setting.what << ": " << games << " programs run\n";
    }
}

}  // namespace
