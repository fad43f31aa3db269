// The exact search's reductions and its memory budget, against the plain
// search that keeps every open cell in every state.
#include <gtest/gtest.h>

#include <random>

#include "solver/proof.h"
#include "solver/search.h"

namespace {

solver::Stage stageOf(const std::vector<std::string>& rows, int target, int budget) {
    game::MapLines lines{};
    for (std::size_t i = 0; i < rows.size(); ++i) lines[i + 1] = rows[i];
    lines[10] = std::to_string(target);
    lines[11] = std::to_string(budget);
    auto parsed = solver::parseStage(lines, "test");
    if (auto* e = std::get_if<std::string>(&parsed)) throw std::runtime_error(*e);
    return std::get<solver::Stage>(parsed);
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

// The stage a new maker drew: blocks, sand and a pool over a few steps, far
// more states than any shipped stage.
const std::vector<std::string> kDrawn = {".....S...", "BBBB...S.", ".........",
                                         "BBB..B...", ".S..B.SB.", "..SB....K",
                                         "....K.B.K", "P.SKKWBKK", "KKKKKKKKK"};

}  // namespace

// Leaving out the cells no cast can reach and packing the rest must not change
// a single state: the same states in the same order, so the same count, the
// same first solution and the same ways off the board, also when a search is
// cut short at its state limit.
TEST(SolverSearch, ReductionsKeepEveryStateOfThePlainSearch) {
    struct Case {
        int openPercent, wallPercent, stages;
        bool stopAtClear;
    };
    const Case cases[] = {{30, 40, 30, true},
                          {50, 30, 30, true},
                          {70, 20, 20, true},
                          {90, 5, 15, true},
                          {60, 25, 20, false}};
    std::mt19937 rng(25);
    int cleared = 0;
    for (const Case& c : cases)
        for (int i = 0; i < c.stages; ++i) {
            const solver::Stage stage = randomStage(rng, c.openPercent, c.wallPercent);
            SCOPED_TRACE(game::writeStageText(stage.desc));
            solver::SearchOptions options{stage.magic, c.stopAtClear, 5'000};
            options.finalBoardCap = c.stopAtClear ? 0 : 50;
            const solver::SearchResult reduced = solver::search(stage, options);
            options.reduce = false;
            const solver::SearchResult plain = solver::search(stage, options);
            EXPECT_EQ(reduced.states, plain.states);
            EXPECT_EQ(reduced.ending, plain.ending);
            EXPECT_EQ(reduced.cleared, plain.cleared);
            EXPECT_EQ(reduced.casts, plain.casts);
            EXPECT_EQ(reduced.needs, plain.needs);
            EXPECT_EQ(reduced.leaves, plain.leaves);
            EXPECT_EQ(reduced.finalBoards.size(), plain.finalBoards.size());
            EXPECT_LE(reduced.bytes, plain.bytes);
            cleared += plain.cleared;
        }
    EXPECT_GT(cleared, 0);  // the cases hold solvable stages as well as unsolvable ones
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
    solver::ProofOptions small;
    small.memoryBudget = 2 << 20;
    small.analyse = false;
    const solver::ProofResult proof = solver::prove(drawn, small);
    ASSERT_TRUE(proof.verdict.has_value());
    EXPECT_TRUE(proof.ending.outOfMemory);
    EXPECT_FALSE(proof.verdict->solvable);
    EXPECT_FALSE(proof.verdict->complete());
    EXPECT_EQ(proof.verdict->problem, "undecided: a search reached its memory budget");
}
