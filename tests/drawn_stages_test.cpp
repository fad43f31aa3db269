#include "bench/drawn/drawn_stages.h"

#include <gtest/gtest.h>

#include <variant>

#include "game/stage_desc.h"
#include "headless/check.h"
#include "solver/proof.h"

namespace {

using drawn::StageKind;

// Few enough states at these shares of open cells that each proof is quick,
// under the sanitizers too; a proof that stops here fails rather than passes.
constexpr std::size_t kMostStates = 2'000'000;
constexpr std::uint64_t kSeed = 25;

struct Case {
    std::uint64_t seed;
    int open;
    int index;
};
// Stages whose least magic is their own starting magic, above the least there
// is: a budget a point short of what the played casts needed fails here.
constexpr Case kCases[] = {{1, 30, 7}, {1, 30, 8}, {2, 30, 0}, {2, 30, 3}, {4, 50, 6}, {3, 50, 19}};

// The stage as its file holds it: what the benchmark proves is what was written.
game::StageDesc written(const game::StageDesc& desc) {
    auto parsed = game::parseStageText("drawn", game::writeStageText(desc));
    EXPECT_TRUE(std::holds_alternative<game::StageDesc>(parsed));
    return std::get<game::StageDesc>(parsed);
}

}  // namespace

// A stage made by playing casts forward clears with its own budget, the
// solution played through the real game; the same seed draws it again, and
// the random half of the level too.
TEST(DrawnStages, MadeSolvableStagesClearInTheGameAndSeedsReproduce) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(drawn::drawnStageName(c.open, StageKind::Solvable, c.index));
        const auto made = drawn::drawnStage(c.seed, c.open, StageKind::Solvable, c.index);
        ASSERT_TRUE(made);
        EXPECT_EQ(made, drawn::drawnStage(c.seed, c.open, StageKind::Solvable, c.index));
        EXPECT_EQ(drawn::drawnStage(c.seed, c.open, StageKind::Random, c.index),
                  drawn::drawnStage(c.seed, c.open, StageKind::Random, c.index));
        EXPECT_NE(made, drawn::drawnStage(c.seed + 1, c.open, StageKind::Solvable, c.index));

        const solver::Options options{
            .maxStates = kMostStates, .analyse = false, .check = headless::checkInGame};
        auto proof = solver::prove(written(*made), options);
        ASSERT_TRUE(std::holds_alternative<solver::ProofResult>(proof));
        const auto& verdict = std::get<solver::ProofResult>(proof).verdict;
        ASSERT_TRUE(verdict);
        EXPECT_TRUE(verdict->solvable);
        EXPECT_TRUE(verdict->replayed) << verdict->problem;
        EXPECT_EQ(verdict->leastMagic, made->magic);
    }
}

// At every share of open cells, however far the search would have to go,
// the casts that made a stage clear it in the real game with its own budget;
// the share of open cells and the index change the stage.
TEST(DrawnStages, TheCastsThatMadeAStageClearItInTheGame) {
    constexpr int kLevels[] = {30, 50, 70, 90};
    constexpr int kPerLevel = 5;
    for (const int open : kLevels)
        for (int index = 0; index < kPerLevel; ++index) {
            SCOPED_TRACE(drawn::drawnStageName(open, StageKind::Solvable, index));
            const auto made = drawn::madeSolvable(kSeed, open, index);
            ASSERT_TRUE(made);
            EXPECT_EQ(drawn::checkInGame(*made), std::nullopt);
            EXPECT_NE(made->desc, drawn::madeSolvable(kSeed, open, index + 1)->desc);
        }
}
