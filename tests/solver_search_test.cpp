// The exact search's reductions and its memory budget, against the plain
// search that keeps every open cell in every state.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <unistd.h>

#include "bench/drawn/drawn_stages.h"
#include "solver/plan.h"
#include "solver/process_memory.h"
#include "solver/proof.h"
#include "solver/search.h"
#include "solver/state_codec.h"
#include "support/stage_rows.h"

namespace {

solver::Stage stageOf(const std::vector<std::string>& rows, int target, int budget) {
    return testing_support::stageOfRows(rows, target, budget);
}

// A stage as a person might draw one: a wall floor, each other cell a wall or
// open with the given chances, open cells empty, sand, block or water 6:1:2:1,
// the start on an empty cell with something below it.
solver::Stage randomStage(std::mt19937& rng, int openPercent, int wallPercent) {
    std::uniform_int_distribution<int> percent(0, 99), kind(0, 9), target(0, 3), budget(2, 8);
    std::vector<std::string> rows(9, std::string(9, '.'));
    for (int r = 0; r < 8; ++r)
        for (char& cell : rows[static_cast<std::size_t>(r)]) {
            const int roll = percent(rng);
            if (roll < wallPercent) {
                cell = 'K';
            } else if (roll < wallPercent + openPercent) {
                const int k = kind(rng);
                cell = k < 6 ? '.' : k < 7 ? 'S' : k < 9 ? 'B' : 'W';
            }
        }
    rows[8] = std::string(9, 'K');
    std::vector<std::pair<int, int>> starts;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 9; ++c)
            if (rows[r][c] == '.' && rows[r + 1][c] != '.') starts.emplace_back(r, c);
    if (starts.empty()) starts.emplace_back(7, 0), rows[7][0] = '.';
    const auto [r, c] =
        starts[std::uniform_int_distribution<std::size_t>(0, starts.size() - 1)(rng)];
    rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = 'P';
    return stageOf(rows, target(rng), budget(rng));
}

// The benchmark's solvable stage `index` at the given share of open cells.
solver::Stage solvableStage(int openPercent, int index) {
    const auto desc = drawn::drawnStage(25, openPercent, drawn::StageKind::Solvable, index);
    if (!desc) throw std::runtime_error("no solvable stage drawn");
    auto parsed = solver::stageFromDesc(*desc, "drawn");
    if (auto* e = std::get_if<std::string>(&parsed)) throw std::runtime_error(*e);
    return std::get<solver::Stage>(parsed);
}

// The stage a new maker drew: blocks, sand and a pool over a few steps, far
// more states than any shipped stage.
const std::vector<std::string> kDrawn = {".....S...", "BBBB...S.", ".........",
                                         "BBB..B...", ".S..B.SB.", "..SB....K",
                                         "....K.B.K", "P.SKKWBKK", "KKKKKKKKK"};

}  // namespace

// The reductions (the cells no cast can reach left out of the key, the
// states whose region has lost the clear for good left out of the search)
// must change no figure of a search run to its end: the same first solution
// and the magic it needs, the same final boards in the same order, the same
// ways off the board and the first walk off met, and never more states. Cut
// short at the state limit, the reduced search still finds any clear the
// plain one found within it.
TEST(SolverSearch, ReductionsChangeNoFigureOfThePlainSearch) {
    // Drawn at random here, nearly all unsolvable; or solvable by the
    // benchmark's making, its casts played forward.
    enum class Kind { Random, Solvable };
    struct Case {
        Kind kind;
        int openPercent, wallPercent, stages;
        bool stopAtClear;
        unsigned leftOut = 0;  // a move the search may not make, as validation asks
    };
    const Case cases[] = {{Kind::Random, 30, 40, 60, true},    {Kind::Random, 50, 30, 50, true},
                          {Kind::Random, 70, 20, 40, true},    {Kind::Random, 90, 5, 20, true},
                          {Kind::Random, 45, 45, 50, true},    {Kind::Random, 60, 25, 30, false},
                          {Kind::Random, 40, 45, 40, false},   {Kind::Solvable, 30, 0, 40, true},
                          {Kind::Solvable, 50, 0, 30, true},   {Kind::Solvable, 30, 0, 20, false},
                          {Kind::Solvable, 30, 0, 20, true, solver::moves::kClimb},
                          {Kind::Solvable, 50, 0, 20, true, solver::moves::kSand}};
    std::mt19937 rng(25);
    int cleared = 0, fewer = 0, finished = 0;
    for (const Case& c : cases)
        for (int i = 0; i < c.stages; ++i) {
            const solver::Stage stage = c.kind == Kind::Random
                                            ? randomStage(rng, c.openPercent, c.wallPercent)
                                            : solvableStage(c.openPercent, i);
            SCOPED_TRACE(game::writeStageText(stage.desc));
            solver::SearchOptions options{stage.magic, c.stopAtClear, 10'000};
            options.finalBoardCap = c.stopAtClear ? 0 : 50;
            options.lostFrom = 0;
            options.allowed = solver::moves::kAll & ~c.leftOut;
            const solver::SearchResult reduced = solver::search(stage, options);
            options.reduce = false;
            const solver::SearchResult plain = solver::search(stage, options);
            if (plain.cleared) {
                EXPECT_TRUE(reduced.cleared);
                EXPECT_EQ(reduced.casts, plain.casts);
                EXPECT_EQ(reduced.needs, plain.needs);
                EXPECT_EQ(reduced.magicLeft, plain.magicLeft);
            }
            cleared += plain.cleared;
            if (!plain.ending.finished()) continue;
            ++finished;
            EXPECT_TRUE(reduced.ending.finished());
            EXPECT_EQ(reduced.cleared, plain.cleared);
            EXPECT_EQ(reduced.leaves, plain.leaves);
            EXPECT_EQ(reduced.leavesBoard, plain.leavesBoard);
            EXPECT_EQ(reduced.exits, plain.exits);
            EXPECT_EQ(reduced.finalBoards, plain.finalBoards);
            EXPECT_LE(reduced.states, plain.states);
            EXPECT_LE(reduced.bytes, plain.bytes);
            fewer += reduced.states < plain.states;
        }
    // The cases hold solvable stages as well as unsolvable ones, searches run
    // to their end, and stages where states were left out.
    EXPECT_GT(cleared, 40);
    EXPECT_GT(finished, 100);
    EXPECT_GT(fewer, 20);
}

// At its budget a search stops and says so: it claims no clear it did not
// find and no "no" it did not prove, and its states never took more than the
// budget. A budget too small for the first state stops it at once.
TEST(SolverSearch, AtItsMemoryBudgetASearchStopsUndecided) {
    const solver::Stage drawn = stageOf(kDrawn, 0, 10);
    struct Case {
        std::size_t budget;
        bool reduce;
    };
    std::size_t held[2] = {0, 0};  // states the largest budget held, plain and reduced
    for (const Case& c :
         {Case{1, true}, Case{2 << 20, true}, Case{8 << 20, true}, Case{8 << 20, false}}) {
        SCOPED_TRACE(std::to_string(c.budget) + " bytes");
        solver::SearchOptions options{drawn.magic, true};
        options.memoryBudget = c.budget;
        options.reduce = c.reduce;
        const solver::SearchResult r = solver::search(drawn, options);
        EXPECT_TRUE(r.ending.outOfMemory);
        EXPECT_FALSE(r.ending.finished());
        EXPECT_FALSE(r.cleared);
        EXPECT_LE(r.bytes, c.budget);
        EXPECT_EQ(r.states > 0, c.budget > 1);
        held[c.reduce] = std::max(held[c.reduce], r.states);
    }
    EXPECT_GE(held[true], held[false]);

    // The proof passes the budget on, and its verdict is undecided rather
    // than "no clear with up to ... magic".
    solver::Options small;
    small.memoryBudget = 2 << 20;
    small.analyse = false;
    const solver::ProofResult proof = solver::prove(drawn, small);
    ASSERT_TRUE(proof.verdict.has_value());
    EXPECT_TRUE(proof.ending.outOfMemory);
    EXPECT_FALSE(proof.verdict->solvable);
    EXPECT_FALSE(proof.verdict->complete());
    EXPECT_EQ(proof.verdict->problem, "undecided: a search reached its memory budget");
}

// A stage made by playing casts forward clears by those casts within its
// budget, so the first clear takes no more: a fall's landing counts no cast.
TEST(SolverSearch, FirstClearTakesNoMoreCastsThanTheStageWasMadeWith) {
    struct Case {
        std::uint64_t seed;
        int openPercent, first, count;
        std::size_t maxStates;
    };
    const Case cases[] = {
        // a cast too many here once
        {7, 50, 26, 1, 1'000'000}, {7, 50, 41, 1, 1'000'000}, {7, 70, 15, 1, 1'000'000},
        {7, 70, 17, 1, 1'000'000}, {7, 70, 45, 1, 1'000'000},
        // small ones, the searches cut short left out
        {7, 30, 0, 150, 20'000}, {25, 30, 0, 150, 20'000}, {7, 50, 0, 100, 20'000},
        {25, 50, 0, 100, 20'000}};
    int compared = 0;
    for (const Case& c : cases)
        for (int index = c.first; index < c.first + c.count; ++index) {
            const auto made = drawn::madeSolvable(c.seed, c.openPercent, index);
            if (!made) continue;
            const auto stage = std::get<solver::Stage>(solver::stageFromDesc(made->desc, "drawn"));
            SCOPED_TRACE(game::writeStageText(stage.desc));
            const auto r =
                solver::search(stage, solver::SearchOptions{stage.magic, true, c.maxStates});
            if (!r.cleared && r.ending.cutShort) continue;
            ++compared;
            EXPECT_TRUE(r.cleared);
            EXPECT_LE(r.casts.size(), made->casts.size());
        }
    EXPECT_GT(compared, 400);
}

// A search that only asks whether a stage clears, its landings queued as any
// state, answers as the search for the fewest casts does, with a clear that
// plays and takes no fewer casts; on the early-count search of the last
// stages, where the fewest casts cost the most, it looks at fewer states.
TEST(SolverSearch, AnyClearAnswersAsTheFewestCastsAndPlays) {
    struct Case {
        int openPercent, wallPercent, stages;
        bool solvable;
    };
    std::mt19937 rng(34);
    int cleared = 0, compared = 0;
    for (const Case& c : {Case{30, 0, 40, true}, Case{50, 0, 30, true}, Case{70, 20, 40, false},
                          Case{50, 30, 40, false}})
        for (int i = 0; i < c.stages; ++i) {
            const solver::Stage stage = c.solvable ? solvableStage(c.openPercent, i)
                                                   : randomStage(rng, c.openPercent, c.wallPercent);
            SCOPED_TRACE(game::writeStageText(stage.desc));
            solver::SearchOptions options{stage.magic, true, 30'000};
            const solver::SearchResult fewest = solver::search(stage, options);
            options.fewestCasts = false;
            const solver::SearchResult any = solver::search(stage, options);
            if (!fewest.ending.finished() || !any.ending.finished()) continue;
            ++compared;
            ASSERT_EQ(any.cleared, fewest.cleared);
            if (!any.cleared) continue;
            ++cleared;
            EXPECT_GE(any.casts.size(), fewest.casts.size());
            EXPECT_TRUE(std::holds_alternative<solver::Plan>(solver::makePlan(stage, any.casts, 1)));
        }
    EXPECT_GT(compared, 100);
    EXPECT_GT(cleared, 40);

    for (int no : {25, 27, 28}) {
        SCOPED_TRACE(no);
        const auto stage = std::get<solver::Stage>(solver::loadStage(
            std::string(LUMORA_STAGES_DIR) + "/mmap" + std::to_string(no) + ".bkm"));
        solver::SearchOptions options{stage.magic - 1, true};
        options.earlyCountLoses = false;
        const solver::SearchResult fewest = solver::search(stage, options);
        options.fewestCasts = false;
        const solver::SearchResult any = solver::search(stage, options);
        EXPECT_TRUE(fewest.cleared && any.cleared);
        EXPECT_LT(any.states, fewest.states);
    }
}

// A search run in slices, stopped at any count of states and resumed, reaches
// what one run at once reaches: the same states, the same first clear and the
// magic it needs, or the same end without one.
TEST(SolverSearch, ASearchInSlicesReachesWhatOneRunReaches) {
    struct Row {
        const char* name;
        solver::Stage stage;
        int magic;
    };
    const solver::Stage last =
        std::get<solver::Stage>(solver::loadStage(LUMORA_STAGES_DIR "/mmap28.bkm"));
    const Row rows[] = {
        {"a clear after tens of thousands of states", last, last.magic},
        {"no clear, every state searched", last, last.magic - 1},
    };
    for (const Row& t : rows) {
        const int magic = t.magic > 0 ? t.magic : t.stage.magic;
        const solver::SearchOptions options{magic};
        const solver::SearchResult whole = solver::search(t.stage, options);
        for (const std::size_t slice : {std::size_t{1}, std::size_t{777}, std::size_t{50'000}}) {
            SCOPED_TRACE(std::string(t.name) + ", slices of " + std::to_string(slice) + ", " +
                         std::to_string(whole.states) + " states");
            solver::ExactSearch sliced(t.stage, options);
            std::size_t upTo = 0, slices = 0;
            while (sliced.advance(upTo += slice)) ++slices;
            const solver::SearchResult r = sliced.finish();
            EXPECT_EQ(r.states, whole.states);
            EXPECT_EQ(r.cleared, whole.cleared);
            EXPECT_EQ(r.casts, whole.casts);
            EXPECT_EQ(r.needs, whole.needs);
            EXPECT_EQ(r.ending, whole.ending);
            if (slice == 1) {
                EXPECT_GT(slices, 1u);
            }
        }
    }
}

// The pages of what the heap holds in use: the second figure of
// /proc/self/statm, 0 where there is none.
static std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// A search let go of frees many blocks among others still in use, which the
// C library would keep; handed back, their pages leave the process.
TEST(SolverMemory, FreedMemoryGoesBackToTheSystem) {
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    if (residentBytes() == 0) GTEST_SKIP() << "no /proc/self/statm here";
    constexpr std::size_t kBlock = std::size_t{64} << 10, kBlocks = 2048;  // 128 MB
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < kBlocks; ++i) {
        blocks.push_back(std::malloc(kBlock));
        ASSERT_NE(blocks.back(), nullptr);
        std::memset(blocks.back(), 1, kBlock);
    }
    // Every other one freed: the ones between keep them apart and in place.
    for (std::size_t i = 0; i < kBlocks; i += 2) std::free(blocks[i]);
    const std::size_t held = residentBytes();
    solver::handBackFreedMemory();
    EXPECT_LT(residentBytes() + kBlock * kBlocks / 4, held);
    for (std::size_t i = 1; i < kBlocks; i += 2) std::free(blocks[i]);
#else
    GTEST_SKIP() << "only the GNU C library's own allocator is asked to hand memory back";
#endif
}

// The cells a state keeps are those a cast can ever change: beside where
// the character could ever be, walls left out. A walled pocket it can never
// reach keeps nothing; the one under a wall in row 1 is reached by falling
// through it from over the top, and so is kept, as are rows 1 and 2 beside
// every place above the board.
TEST(SolverSearch, AStateKeepsTheCellsACastCanEverChange) {
    const solver::Stage stage = stageOf({"PK...K...", "KKK.K.KKK", "KKKKK.KKK", "KKKKKKKKK",
                                         "KK.KKKKKK", "KK.KKKKKK", "KKKKKKKKK", "KKKKKKKKK",
                                         "KKKKKKKKK"},
                                        0, 2);
    const std::array<bool, solver::kCells> changes = solver::exact::changingCells(stage);
    struct Case {
        int c, r;
        bool changes;
    };
    for (const Case& k : {Case{3, 5, false}, Case{3, 6, false},  // the pocket out of reach
                          Case{6, 2, true}, Case{6, 3, true},    // below the wall (6, 1)
                          Case{4, 2, true}, Case{9, 1, true},    // beside places above
                          Case{2, 1, false}, Case{1, 2, false}}) {  // walls
        SCOPED_TRACE(std::to_string(k.c) + "," + std::to_string(k.r));
        EXPECT_EQ(changes[static_cast<std::size_t>(solver::cellIndex(k.c, k.r))], k.changes);
    }
}
