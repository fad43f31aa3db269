#include "solver/generate.h"

#include <gtest/gtest.h>

#include <thread>

#include "game/stage_desc.h"
#include "solver/moves.h"
#include "solver/proof.h"

namespace {

namespace moves = solver::moves;

constexpr int kMostBoards = 20'000;

solver::GenerateOptions options(std::uint64_t seed, std::optional<unsigned> required = {}) {
    solver::GenerateOptions o;
    o.seed = seed;
    o.required = required;
    // Small stages keep this fast under the sanitizers too. The search ends
    // by boards tried, never by the clock, so a slow or busy machine finds
    // the same stage as a fast one, only later.
    o.minCasts = 3;
    o.maxCasts = 5;
    o.timeLimit = std::chrono::milliseconds::max();
    o.maxAttempts = kMostBoards;
    return o;
}

std::string stageText(const solver::GenerateOptions& o) {
    const solver::GenerateResult r = solver::generate(o);
    EXPECT_TRUE(r.stage) << solver::describeTries(r);
    return r.stage ? game::writeStageText(*r.stage) + game::writeAnswerText(*r.stage) : "";
}

TEST(Generate, TheSameSeedGivesTheSameStageAndAnotherSeedAnother) {
    const std::string first = stageText(options(7));
    EXPECT_EQ(first, stageText(options(7)));
    EXPECT_NE(first, stageText(options(8)));
}

// Each set asked for comes back proved with exactly that set, tight, with no
// way off the board and the casts in range.
TEST(Generate, AStageRequiresExactlyTheMovesAskedFor) {
    const unsigned sets[] = {moves::kPlace, moves::kPlace | moves::kRemove,
                             moves::kPlace | moves::kClearWater,
                             moves::kRemove | moves::kClearWater};
    for (unsigned set : sets) {
        SCOPED_TRACE(solver::moveNames(set));
        const solver::GenerateOptions o = options(3, set);
        const solver::GenerateResult r = solver::generate(o);
        ASSERT_TRUE(r.stage) << solver::describeTries(r);
        auto proved = solver::prove(*r.stage);
        ASSERT_TRUE(std::holds_alternative<solver::ProofResult>(proved));
        const solver::ProofResult& proof = std::get<solver::ProofResult>(proved);
        ASSERT_TRUE(proof.verdict && proof.analysis);
        EXPECT_TRUE(proof.verdict->solvable);
        EXPECT_EQ(proof.verdict->leastMagic, r.stage->magic);
        EXPECT_LT(proof.verdict->leaves, 0);
        EXPECT_EQ(proof.verdict->exits, 0);
        EXPECT_EQ(proof.analysis->validation.required, set);
        EXPECT_GE(proof.verdict->plan.casts, o.minCasts);
        EXPECT_LE(proof.verdict->plan.casts, o.maxCasts);
        EXPECT_EQ(r.stage->answer, proof.verdict->plan.answer);
    }
}

// A set that can never take several casts is refused at once, not searched for 30 s.
TEST(Generate, ASetWithoutPlaceOrRemoveIsRefusedForSeveralCasts) {
    const solver::GenerateResult r = solver::generate(options(1, moves::kClimb));
    EXPECT_FALSE(r.stage);
    EXPECT_EQ(r.tally.attempts, 0);
    EXPECT_TRUE(r.impossible);
}

TEST(Generate, ACancelStopsTheSearchAndSaysSo) {
    solver::GenerateOptions o = options(5, moves::kPlace);
    o.minCasts = o.maxCasts = 40;  // more than any board holds: it would search to the time limit
    solver::GenerateControl control;
    solver::GenerateResult r;
    std::thread worker([&] { r = solver::generate(o, &control); });
    while (control.attempts.load() < 3) std::this_thread::yield();
    control.cancel = true;
    worker.join();  // a cancel that was not seen would run to kMostBoards
    EXPECT_TRUE(r.ending.cancelled);
    EXPECT_FALSE(r.stage);
    EXPECT_GE(r.tally.attempts, 3);
}

// The tally says why the tries ended: stopped by the maker, out of time, or
// neither when the boards it might try ran out.
TEST(Generate, TheTallySaysWhyTheTriesEnded) {
    const struct {
        bool cancelled, timedOut;
        const char* tried;
    } cases[] = {{false, false, "7 boards tried in 1.5 s:"},
                 {true, false, "7 boards tried in 1.5 s (stopped):"},
                 {false, true, "7 boards tried in 1.5 s (out of time):"},
                 {true, true, "7 boards tried in 1.5 s (stopped) (out of time):"}};
    for (const auto& c : cases) {
        solver::GenerateResult r;
        r.tally.attempts = 7;
        r.tally.unsolvable = 2;
        r.elapsed = std::chrono::milliseconds(1500);
        r.ending.cancelled = c.cancelled;
        r.timedOut = c.timedOut;
        EXPECT_EQ(solver::describeTries(r),
                  std::string(c.tried) +
                      " 2 unsolvable, 0 too loose to prove, 0 with a way off the board, 0 with "
                      "too few casts, 0 with too many casts, 0 requiring other moves");
    }
}

}  // namespace
