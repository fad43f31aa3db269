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

TEST(Soak, RandomGamesKeepEveryRule) {
    const std::uint64_t seed = fromEnv("LUMORA_SOAK_SEED", std::random_device{}());
    const std::uint64_t wanted = fromEnv("LUMORA_SOAK_EVENTS", 100000);
    std::cout << "soak seed " << seed << ", " << wanted << " events\n";
    std::mt19937_64 rng(seed);
    auto pick = [&rng](std::uint32_t n) {
        return static_cast<std::uint32_t>(
            std::uniform_int_distribution<std::uint64_t>(0, n - 1)(rng));
    };

    NoFlushIo io;
    game::ScopedFileIo noFlush(io);
    testing_support::TempFolder folder;
    for (const auto& e : std::filesystem::directory_iterator(LUMORA_STAGES_DIR))
        if (e.path().extension() == ".bkm")
            std::filesystem::copy_file(e.path(),
                                       folder.path() + "/" + e.path().filename().string());

    std::uint64_t events = 0, games = 0;
    while (events < wanted) {
        const float twips = pick(2) == 0 ? 15.0f : 12.0f;
        ui::LumoraProgram game(folder.path(), twips);
        game.start();
        ++games;
        testing_support::RandomPlayer player(game, twips, pick);
        while (!game.program().ended() && events + player.events() < wanted) {
            const std::string broken = player.step();
            if (!broken.empty()) {
                FAIL() << "seed " << seed << ", event " << events + player.events() << ": "
                       << broken << "\nReplay with the stages in an empty folder F:\n"
                       << "  lumora-replay F <<'EOF'\n"
                       << player.script() << "show\nboard\nEOF";
            }
        }
        ASSERT_FALSE(game.program().fatalError())
            << "seed " << seed << ": " << *game.program().fatalError();
        events += player.events();
    }
    std::cout << games << " programs run\n";
}

}  // namespace
