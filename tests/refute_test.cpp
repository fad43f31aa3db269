#include "solver/refute.h"

#include <gtest/gtest.h>

#include <set>

#include "solver/best_first.h"
#include "solver/generate_board.h"
#include "solver/plan.h"
#include "solver/report.h"
#include "solver/search.h"
#include "game/rules.h"
#include "support/stage_rows.h"

namespace {

using game::CellKind;

// A box of open cells at the bottom of the board, walls everywhere else: small
// enough for the exact search to run to its end on every board drawn.
struct Box {
    int rows;     // open rows above the wall floor
    int columns;  // open columns from the left
    int openPercent;
    int stages;
};

// Open cells empty, sand, block and water in the ratio 6:1:2:1; the start on
// an empty cell with something solid below; target 0-3; budget 0-8.
std::optional<solver::Stage> drawStage(solver::Draw& draw, const Box& box) {
    game::StageDesc d;
    d.cells.fill(CellKind::Wall);
    constexpr CellKind kMix[] = {CellKind::Empty, CellKind::Empty, CellKind::Empty, CellKind::Empty,
                                 CellKind::Empty, CellKind::Empty, CellKind::Sand,  CellKind::Block,
                                 CellKind::Block, CellKind::Water};
    for (int r = 9 - box.rows; r <= 8; ++r)
        for (int c = 1; c <= box.columns; ++c)
            if (draw.chance(box.openPercent)) d.set(c, r, kMix[draw.below(10)]);
    std::vector<std::pair<int, int>> starts;
    for (int r = 9 - box.rows; r <= 8; ++r)
        for (int c = 1; c <= box.columns; ++c)
            if (d.at(c, r) == CellKind::Empty && d.at(c, r + 1) != CellKind::Empty)
                starts.emplace_back(c, r);
    if (starts.empty()) return std::nullopt;
    const auto [c, r] =
        starts[static_cast<std::size_t>(draw.below(static_cast<int>(starts.size())))];
    d.startCol = c;
    d.startRow = r;
    d.target = static_cast<std::int16_t>(draw.between(0, 3));
    d.magic = game::magicForBudget(draw.between(0, 8));
    auto stage = solver::stageFromDesc(d, "drawn");
    if (!std::holds_alternative<solver::Stage>(stage)) return std::nullopt;
    return std::get<solver::Stage>(stage);
}

constexpr std::size_t kExactStates = 400'000;
// Enough magic that only the board's shape can stand in the way.
constexpr int kLavish = 60;

// nullopt: the search ran out of states and proves nothing.
std::optional<bool> clears(const solver::Stage& stage, int magic) {
    const solver::SearchResult r = solver::search(stage, {magic, true, kExactStates});
    if (!r.cleared && !r.ending.finished()) return std::nullopt;
    return r.cleared;
}

const Box kBoxes[] = {{2, 7, 80, 300}, {3, 6, 70, 300}, {4, 5, 60, 200}, {3, 9, 50, 200}};

}  // namespace

// Whenever a refutation fires, the exact search finds no clear with that
// magic, and for a reason about the board's shape none with any magic; below
// the least magic the magic check allows, none either.
TEST(Refute, EveryRefutationHoldsForTheExactSearch) {
    int fired = 0, shape = 0;
    std::set<solver::RefutationKind> kinds;
    for (const Box& box : kBoxes) {
        solver::Draw draw(static_cast<std::uint64_t>(box.rows * 100 + box.columns));
        for (int i = 0; i < box.stages; ++i) {
            const auto stage = drawStage(draw, box);
            if (!stage) continue;
            SCOPED_TRACE(solver::stageFileText(*stage));
            const int floor = solver::leastMagicAllowed(*stage);
            if (floor > 1) {
                EXPECT_NE(clears(*stage, floor - 1), std::optional<bool>(true));
            }
            const auto why = solver::refute(*stage);
            if (!why) continue;
            ++fired;
            kinds.insert(why->kind);
            SCOPED_TRACE(solver::refutationText(*why));
            EXPECT_NE(clears(*stage, stage->magic), std::optional<bool>(true));
            if (why->magicAlone()) continue;
            ++shape;
            EXPECT_NE(clears(*stage, stage->magic + kLavish), std::optional<bool>(true));
        }
    }
    // Not a vacuous pass: the boxes draw boards of both kinds.
    EXPECT_GT(fired - shape, 0);
    EXPECT_GT(shape, 0);
    EXPECT_TRUE(kinds.count(solver::RefutationKind::PoolsCostTooMuch));
}

// Refutations about pools in pits the boxes above draw too seldom: here boards
// are drawn until each has fired often, and each time the exact search, given
// magic to spare, finds no clear.
TEST(Refute, PoolsInPitsNeverClear) {
    const struct {
        solver::RefutationKind kind;
        std::uint64_t seed;
    } cases[] = {
        {solver::RefutationKind::PoolsCutOff, 34},
        {solver::RefutationKind::PoolLeavesNoBlock, 35},
    };
    for (const auto& t : cases) {
        int checked = 0;
        solver::Draw draw(t.seed);
        for (int i = 0; i < 20000 && checked < 12; ++i) {
            const auto stage = drawStage(draw, {7, 9, 65, 1});
            if (!stage) continue;
            const auto why = solver::refute(*stage);
            if (!why || why->kind != t.kind) continue;
            SCOPED_TRACE(solver::stageFileText(*stage));
            const auto exact = clears(*stage, stage->magic + kLavish);
            EXPECT_NE(exact, std::optional<bool>(true));
            if (exact) ++checked;
        }
        EXPECT_GE(checked, 12) << static_cast<int>(t.kind);
    }
}

namespace {

// Pools in pits, each reached from the cell above it. Shafts from a walkway
// on row 5: from the cell above a pool the character can climb back out, but
// clearing the pool drops it into the pit for good. With a pool on the
// walkway instead of the right shaft, that pool can go first. Shafts from
// over the top: the character falls into one and stays there. A pool walled
// in on row 1 is cleared from over the top, from where the other pool is
// still in reach.
const std::vector<std::string> kShaftsFromAWalkway = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "....P....",
    "..KKKKK..", "K.KKKKK.K", "KWKKKKKWK", "KKKKKKKKK"};
const std::vector<std::string> kShaftAndAPoolOnTheWalkway = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "....P.W..",
    "..KKKKKKK", "K.KKKKKKK", "KWKKKKKKK", "KKKKKKKKK"};
const std::vector<std::string> kShaftsFromOverTheTop = {
    "PK.......", "KKK.KK.KK", "KKK.KK.KK", "KKK.KK.KK", "KKK.KK.KK",
    "KKK.KK.KK", "KKK.KK.KK", "KKKWKKWKK", "KKKKKKKKK"};
const std::vector<std::string> kShaftAndAPoolOnRowOne = {
    "PK.KWK...", "KKKKKK.KK", "KKKKKK.KK", "KKKKKK.KK", "KKKKKK.KK",
    "KKKKKK.KK", "KKKKKK.KK", "KKKKKKWKK", "KKKKKKKKK"};

}  // namespace

namespace {

// A pit at the foot of a shaft on column 8, its pool reached only from the
// cell above it: clearing the pool drops the character in for good. The
// blocks stand on the walkway of row 5, out of the pit's reach; one beside
// the pit can still be taken away from in there. A pool on the walkway, in
// the way to the shaft, goes first; of two pools down the shaft, the lower is
// cleared from the pit the upper one leaves. A shaft shut by a block, taken
// away to go down, and a shallow pit below a walkway on row 2 are the same. Starting on a pool under a block, the character takes
// the block away as it falls; starting beside one, after it.
const std::vector<std::string> kPitBelowAShaft = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "B.B.P....",
    "KKKKKKK.K", "KKKKKKK.K", "KKKKKKKWK", "KKKKKKKKK"};
const std::vector<std::string> kPitWithABlockBeside = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "B.B.P....",
    "KKKKKKK.K", "KKKKKKK.K", "KKKKKKBWK", "KKKKKKKKK"};
const std::vector<std::string> kPitAndAPoolOnTheWalkway = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "B.B.PW...",
    "KKKKKKK.K", "KKKKKKK.K", "KKKKKKKWK", "KKKKKKKKK"};
const std::vector<std::string> kTwoPoolsDownAShaft = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "B.B.P....",
    "KKKKKKK.K", "KKKKKKKWK", "KKKKKKKWK", "KKKKKKKKK"};
const std::vector<std::string> kPitBelowABlockedShaft = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "B.B.P....",
    "KKKKKKKBK", "KKKKKKK.K", "KKKKKKKWK", "KKKKKKKKK"};
const std::vector<std::string> kShallowPit = {
    "KKKKKKKKK", "B.B.P....", "KKKKKKK.K", "KKKKKKKWK", "KKKKKKKKK",
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"};
const std::vector<std::string> kStartBesideAPoolUnderABlock = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK",
    "KKKKKKKKK", "KBKKKKKKK", "KPWKKKKKK", "KKKKKKKKK"};
const std::vector<std::string> kStartOnAPoolUnderABlock = {
    "KKKKKKKKK", "KKKKKKKKK", "KKKBKKKKK", "KKKPKKKKK", "KKKWKKKKK",
    "KKK.KKKKK", "KKKKKKKBK", "KKKKKKKKK", "KKKKKKKKK"};

}  // namespace

// Two pools that each leave the other out of reach once cleared are a
// refutation, named by both pools. With more blocks than the target, the count
// stays above it while a pool is left: a pool whose clearing leaves none of
// the blocks in reach is one too, named by that pool. Where neither holds
// there is none, and the stage clears.
TEST(Refute, PoolsInPitsAreNamed) {
    using solver::cellIndex;
    using Kind = solver::RefutationKind;
    const struct {
        const std::vector<std::string>& rows;
        int target;
        std::optional<Kind> kind;
        int cell = -1;
        int other = -1;
    } cases[] = {
        {kShaftsFromAWalkway, 1, Kind::PoolsCutOff, cellIndex(2, 8), cellIndex(8, 8)},
        {kShaftAndAPoolOnTheWalkway, 1, std::nullopt},
        {kShaftsFromOverTheTop, 1, Kind::PoolsCutOff, cellIndex(4, 8), cellIndex(7, 8)},
        {kShaftAndAPoolOnRowOne, 1, std::nullopt},
        {kPitBelowAShaft, 1, Kind::PoolLeavesNoBlock, cellIndex(8, 8)},
        {kPitBelowAShaft, 2, std::nullopt},
        {kPitWithABlockBeside, 2, std::nullopt},
        {kPitAndAPoolOnTheWalkway, 1, Kind::PoolLeavesNoBlock, cellIndex(8, 8)},
        {kTwoPoolsDownAShaft, 1, Kind::PoolLeavesNoBlock, cellIndex(8, 7)},
        {kPitBelowABlockedShaft, 1, Kind::PoolLeavesNoBlock, cellIndex(8, 8)},
        {kShallowPit, 1, Kind::PoolLeavesNoBlock, cellIndex(8, 4)},
        {kStartOnAPoolUnderABlock, 1, std::nullopt},
        {kStartBesideAPoolUnderABlock, 0, std::nullopt},
    };
    for (const auto& t : cases) {
        const solver::Stage stage = testing_support::stageOfRows(t.rows, t.target, 8);
        SCOPED_TRACE(solver::stageFileText(stage));
        const auto why = solver::refute(stage);
        ASSERT_EQ(why.has_value(), t.kind.has_value());
        EXPECT_EQ(clears(stage, stage.magic + kLavish), std::optional<bool>(!t.kind));
        if (!why) continue;
        EXPECT_EQ(why->kind, *t.kind);
        EXPECT_FALSE(why->magicAlone());
        EXPECT_EQ(std::pair(why->cell, why->other), std::pair(t.cell, t.other));
    }
    const auto cutOff = solver::refute(testing_support::stageOfRows(kShaftsFromAWalkway, 1, 8));
    const auto noBlock = solver::refute(testing_support::stageOfRows(kPitBelowAShaft, 1, 8));
    ASSERT_TRUE(cutOff && noBlock);
    EXPECT_EQ(solver::refutationText(*cutOff),
              "the pools at column 2, row 8 and column 8, row 8 can never both be cleared: once "
              "either is, no cast can reach the other");
    EXPECT_EQ(solver::refutationText(*noBlock),
              "the pool at column 8, row 8 can only be cleared while there are more blocks than "
              "the target of 1, and once it is, none of them is left within reach to take away");
}

// The goal-directed search finds a clear exactly when the exact search does,
// given the states to look everywhere, and its solution replays to a clear
// within the magic it says it needs.
TEST(BestFirst, FindsAClearWhereverTheExactSearchDoesAndItReplays) {
    int found = 0;
    for (const Box& box : kBoxes) {
        solver::Draw draw(static_cast<std::uint64_t>(box.rows * 1000 + box.columns));
        for (int i = 0; i < box.stages / 2; ++i) {
            const auto stage = drawStage(draw, box);
            if (!stage) continue;
            SCOPED_TRACE(solver::stageFileText(*stage));
            const auto exact = clears(*stage, stage->magic);
            const solver::BestFirstResult bf =
                solver::bestFirst(*stage, {stage->magic, kExactStates});
            if (exact && bf.states <= kExactStates) {
                EXPECT_EQ(bf.cleared, *exact);
            }
            if (!bf.cleared) continue;
            ++found;
            EXPECT_LE(bf.needs, stage->magic);
            const auto plan = solver::makePlan(*stage, bf.casts, 1);
            EXPECT_TRUE(std::holds_alternative<solver::Plan>(plan)) << std::get<std::string>(plan);
        }
    }
    EXPECT_GT(found, 0);
}

namespace {

solver::Stage fileStage(const std::string& name) {
    auto parsed = solver::loadStage(std::string(LUMORA_TEST_DATA) + "/" + name);
    if (auto* e = std::get_if<std::string>(&parsed)) throw std::runtime_error(*e);
    return std::get<solver::Stage>(parsed);
}

// A pool between two walls on a corridor: no magic clears it.
solver::Stage walledPool() {
    game::StageDesc d;
    d.cells.fill(CellKind::Wall);
    for (int c = 1; c <= 9; ++c) d.set(c, 8, CellKind::Empty);
    d.set(4, 8, CellKind::Wall);
    d.set(5, 8, CellKind::Water);
    d.set(6, 8, CellKind::Wall);
    d.startCol = 1;
    d.startRow = 8;
    d.magic = game::magicForBudget(20);
    return std::get<solver::Stage>(solver::stageFromDesc(d, "walled"));
}

// A corridor: the start, a pool, then the only sand behind it; no blocks.
// Clearing the pool takes 2 magic before the sand can give any.
solver::Stage poolBeforeSand(int budget) {
    game::StageDesc d;
    d.cells.fill(CellKind::Wall);
    for (int c = 1; c <= 5; ++c) d.set(c, 8, CellKind::Empty);
    d.set(2, 8, CellKind::Water);
    d.set(3, 8, CellKind::Sand);
    d.startCol = 1;
    d.startRow = 8;
    d.magic = game::magicForBudget(budget);
    return std::get<solver::Stage>(solver::stageFromDesc(d, "pool before sand"));
}

}  // namespace

// The sand behind a pool pays for nothing until the pool is cleared: with
// less magic than the pool costs no order of casts clears the stage, though
// the sand would cover the pool many times over; with enough, it clears.
TEST(Refute, SandBehindAPoolCannotPayForIt) {
    for (int budget = 0; budget <= 3; ++budget) {
        SCOPED_TRACE(budget);
        const solver::Stage stage = poolBeforeSand(budget);
        const bool enough = stage.magic - game::rules::kClearWaterCost >= game::rules::kLeastMagicLeft;
        const auto why = solver::refute(stage);
        EXPECT_EQ(why.has_value(), !enough);
        if (why) {
            EXPECT_EQ(why->kind, solver::RefutationKind::PoolsCostTooMuch);
            EXPECT_EQ(why->count, 0);
            EXPECT_EQ(why->total, 1);
        }
        EXPECT_EQ(clears(stage, stage.magic), std::optional<bool>(enough));
    }
}

// The goal-directed search stays within the memory it is given: with almost
// none it stops at once and says so, claiming no clear; with the default it
// clears the open stage.
TEST(BestFirst, StopsAtItsMemoryBudgetAndSaysSo) {
    const solver::Stage open = fileStage("drawn_open.bkm");
    const struct {
        std::size_t budget;
        bool cleared, outOfMemory;
    } cases[] = {{1, false, true}, {solver::kMemoryBudgetMB * solver::kBytesPerMB, true, false}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.budget);
        solver::BestFirstOptions o{open.magic, solver::kBestFirstStates};
        o.memoryBudget = t.budget;
        const solver::BestFirstResult r = solver::bestFirst(open, o);
        EXPECT_EQ(r.cleared, t.cleared);
        EXPECT_EQ(r.outOfMemory, t.outOfMemory);
    }
}

namespace {

// A pool above the start, which the budget cannot pay for, and the only sand
// in a room below, which the character reaches by casting its floor away and
// falling down a shaft it never climbs out of: 7 by 5 open cells in which
// blocks can be set and taken away in countless ways, none of them a clear.
solver::Stage poolAboveAShaft() {
    return testing_support::stageOfRows({"WKKKKKKKK", "PKKKKKKKK", "BKKKKKKKK", ".......KK",
                                         "......BKK", ".......KK", ".......KK", "...S.B.KK",
                                         "KKKKKKKKK"},
                                        1, 0);
}

}  // namespace

// A cast that drops the character where the pool is out of its reach for
// good is no way on for the goal-directed search either: it looks
// everywhere within a handful of states, its searches' starts and the fall,
// where the room below alone holds thousands.
TEST(BestFirst, LeavesOutWhereARegionShowsNoClear) {
    const solver::Stage stage = poolAboveAShaft();
    const solver::BestFirstResult r = solver::bestFirst(stage, {stage.magic, 100'000});
    EXPECT_FALSE(r.cleared);
    EXPECT_FALSE(r.outOfMemory);
    EXPECT_LT(r.states, 20u);
    // The room is as large as said: the plain exact search goes through
    // more than a thousand states without an end.
    solver::SearchOptions plain{stage.magic, true, 1000};
    plain.reduce = false;
    EXPECT_TRUE(solver::search(stage, plain).ending.cutShort);
}

// A drawn stage whose clear takes sixty casts and more: between the start
// and the clear lie plateaus of states all as far from the goal. The search
// finds the clear within the states of its first turn and its solution
// plays through.
TEST(BestFirst, FindsALongClearAcrossPlateaus) {
    const solver::Stage drawn = fileStage("drawn_long.bkm");
    const solver::BestFirstResult r = solver::bestFirst(drawn, {drawn.magic, 2 * solver::kBestFirstStates});
    ASSERT_TRUE(r.cleared);
    EXPECT_GE(r.casts.size(), 40u);
    const auto plan = solver::makePlan(drawn, r.casts, 1);
    EXPECT_TRUE(std::holds_alternative<solver::Plan>(plan)) << std::get<std::string>(plan);
}

// The verdict comes from whichever way settles it first, and the report says
// which figures are only the best so far: a refutation needs no search; a
// clear the goal-directed search finds stands when the exact search runs out
// of states, its solution checked; with neither the stage stays undecided.
TEST(SolveStage, TheFirstToDecideGivesTheVerdictAndTheRestIsSoFar) {
    const solver::Stage open = fileStage("drawn_open.bkm");
    const struct {
        const char* name;
        solver::Stage stage;
        std::size_t maxStates, goalStates;
        bool solvable, proven, soFar;
        solver::DecidedBy by;
        bool announced;
    } cases[] = {
        {"pool out of reach", walledPool(), solver::kMaxStates, solver::kBestFirstStates, false,
         true, false, solver::DecidedBy::Refutation, true},
        {"open stage, exact search cut short", open, 1000, solver::kBestFirstStates, true, true,
         true, solver::DecidedBy::BestFirst, true},
        {"open stage, no quick search", open, 1000, 0, false, false, false,
         solver::DecidedBy::Exact, false},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        solver::Options o;
        o.maxStates = t.maxStates;
        o.goalStates = t.goalStates;
        o.magicCap = t.stage.magic;  // no search past the budget
        bool announced = false;
        o.onFirstVerdict = [&](const solver::StageReport& r) {
            announced = true;
            EXPECT_EQ(r.solvable, t.solvable);
        };
        const solver::StageReport rep = solver::solveStage(t.stage, 1, o);
        EXPECT_EQ(rep.solvable, t.solvable);
        EXPECT_EQ(rep.verdictProven, t.proven);
        EXPECT_EQ(rep.shortestSoFar, t.soFar);
        EXPECT_EQ(rep.decidedBy, t.by);
        EXPECT_EQ(announced, t.announced);
        if (t.by == solver::DecidedBy::Refutation) {
            EXPECT_EQ(rep.states, 0u);
        }
        if (t.solvable) {
            EXPECT_GT(rep.plan.casts, 0);
        }
    }
}
