// The proof as the workshop runs it: on worker threads, cancelled at any
// moment after an edit.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "solver/proof.h"
#include "solver/table.h"

namespace {

using Clock = std::chrono::steady_clock;

solver::Stage builtIn(int n) {
    auto parsed = solver::loadStage(std::string(LUMORA_STAGES_DIR) + "/" + game::stageFileName(n));
    if (auto* e = std::get_if<std::string>(&parsed)) throw std::runtime_error(*e);
    return std::get<solver::Stage>(parsed);
}

// Generous for a loaded machine under the sanitizers; the search looks at the
// flag every thousand states, well under a millisecond in a normal build.
constexpr auto kPromptly = std::chrono::milliseconds(200);

}  // namespace

// Cancelled while the least magic is still being searched, and while the
// analysis runs after the verdict: it stops at once, says so, and claims no
// part it did not finish.
TEST(SolverProof, ACancelledProofStopsPromptlyAndClaimsNothingUnfinished) {
    const solver::Stage stage = builtIn(28);
    struct Case {
        std::uint64_t statesBeforeCancel;  // 0: cancel as the verdict arrives
        bool verdictKept;
    };
    for (const Case& c : {Case{1, false}, Case{3'000, false}, Case{30'000, false}, Case{0, true}}) {
        SCOPED_TRACE("cancelled after " + std::to_string(c.statesBeforeCancel) + " states");
        solver::ProofControl control;
        std::promise<void> verdict;
        control.onVerdict = [&](const solver::StageReport&) { verdict.set_value(); };
        auto proof =
            std::async(std::launch::async, [&] { return solver::prove(stage, {}, &control); });
        if (c.statesBeforeCancel == 0)
            verdict.get_future().wait();
        else
            while (control.states.load() < c.statesBeforeCancel &&
                   proof.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
                std::this_thread::yield();
        const auto cancelledAt = Clock::now();
        control.cancel = true;
        ASSERT_EQ(proof.wait_for(kPromptly), std::future_status::ready);
        const auto latency = Clock::now() - cancelledAt;
        const solver::ProofResult result = proof.get();
        EXPECT_LT(latency, kPromptly);
        EXPECT_TRUE(result.ending.cancelled);
        EXPECT_EQ(result.verdict.has_value(), c.verdictKept);
        EXPECT_FALSE(result.analysis.has_value());
        EXPECT_GE(result.states, c.statesBeforeCancel);
        if (result.verdict) {
            EXPECT_EQ(result.verdict->leastMagic, stage.magic);
        }
    }
}

// A cancel that comes after the last search but before the verdict is handed
// on (here, on a stage its shape refutes, from the first verdict itself) still
// delivers nothing: the verdict may already be stale.
TEST(SolverProof, ACancelBeforeTheVerdictIsHandedOnKeepsItBack) {
    game::MapLines lines{};
    const char* rows[] = {".........", ".........", ".........", ".........", ".........",
                          "P........", "KKKKKKKKK", "KKKKWKKKK", "KKKKKKKKK"};
    for (std::size_t i = 0; i < 9; ++i) lines[i + 1] = rows[i];
    lines[10] = "0";
    lines[11] = "5";
    auto parsed = solver::parseStage(lines, "walled pool");
    ASSERT_TRUE(std::holds_alternative<solver::Stage>(parsed));
    solver::ProofControl control;
    bool handedOn = false;
    control.onFirstVerdict = [&](const solver::StageReport&) { control.cancel = true; };
    control.onVerdict = [&](const solver::StageReport&) { handedOn = true; };
    const solver::ProofResult result = solver::prove(std::get<solver::Stage>(parsed), {}, &control);
    EXPECT_TRUE(result.ending.cancelled);
    EXPECT_FALSE(result.verdict.has_value());
    EXPECT_FALSE(handedOn);
}

// Proofs on two threads at once share nothing: each gives what it gives alone.
TEST(SolverProof, ProofsOnTwoThreadsAgreeWithTheSameProofsInTurn) {
#ifdef LUMORA_SANITIZED
    const std::vector<std::vector<int>> perThread = {{28, 9}, {27, 13}};
    const solver::Options options{.analyse = false};
#else
    const std::vector<std::vector<int>> perThread = {{28, 9, 21}, {27, 13, 1}};
    const solver::Options options{};
#endif
    auto proveAll = [&](const std::vector<int>& stages, std::vector<solver::ProofResult>& out) {
        for (int n : stages) {
            solver::Options numbered = options;
            numbered.stageNo = n;
            out.push_back(solver::prove(builtIn(n), numbered));
        }
    };
    std::vector<std::vector<solver::ProofResult>> inTurn(2), together(2);
    for (std::size_t t = 0; t < 2; ++t) proveAll(perThread[t], inTurn[t]);
    std::thread other([&] { proveAll(perThread[1], together[1]); });
    proveAll(perThread[0], together[0]);
    other.join();
    for (std::size_t t = 0; t < 2; ++t)
        for (std::size_t i = 0; i < perThread[t].size(); ++i) {
            SCOPED_TRACE("stage " + std::to_string(perThread[t][i]));
            const solver::ProofResult& alone = inTurn[t][i];
            ASSERT_TRUE(alone.verdict.has_value());
            EXPECT_TRUE(alone.verdict->solvable);
            EXPECT_FALSE(alone.verdict->plan.steps.empty());
            EXPECT_TRUE(together[t][i] == alone);
        }
}

// Asked for the verdict alone, a proof says what the whole proof says, with a
// checked solution, and on the open drawn stage stops at its first clear
// rather than search on for the shortest.
TEST(SolverProof, TheVerdictAloneAgreesWithTheWholeProof) {
    solver::Options alone;
    alone.verdictOnly = true;
    alone.analyse = false;
    for (int n = 1; n <= game::kStageCount; ++n) {
        SCOPED_TRACE("stage " + std::to_string(n));
        const solver::Stage stage = builtIn(n);
        const solver::ProofResult whole = solver::prove(stage);
        const solver::ProofResult quick = solver::prove(stage, alone);
        ASSERT_TRUE(whole.verdict && quick.verdict);
        EXPECT_EQ(quick.verdict->solvable, whole.verdict->solvable);
        EXPECT_TRUE(quick.verdict->problem.empty()) << quick.verdict->problem;
        EXPECT_LE(quick.states, whole.states);
    }
    auto drawn = solver::loadStage(std::string(LUMORA_TEST_DATA) + "/drawn_open.bkm");
    ASSERT_TRUE(std::holds_alternative<solver::Stage>(drawn));
    const solver::ProofResult quick = solver::prove(std::get<solver::Stage>(drawn), alone);
    ASSERT_TRUE(quick.verdict);
    EXPECT_TRUE(quick.verdict->solvable && quick.verdict->shortestSoFar);
    EXPECT_LT(quick.states, 1'000'000u);
}

// A move is required when the search without it looked everywhere and
// found no clear. On the open stage, a thousand states are everywhere the
// character can get without placing a block or without climbing, but far
// short of the twenty-five casts of a clear: the searches without any
// other move are cut short and claim nothing.
TEST(SolverProof, ASearchCutShortClaimsNoMoveRequired) {
    auto drawn = solver::loadStage(std::string(LUMORA_TEST_DATA) + "/drawn_open.bkm");
    ASSERT_TRUE(std::holds_alternative<solver::Stage>(drawn));
    const solver::Validation v =
        solver::validateStage(std::get<solver::Stage>(drawn), solver::kBoardCap, 1000);
    EXPECT_FALSE(v.ending.finished());
    EXPECT_EQ(v.required, solver::moves::kPlace | solver::moves::kClimb);
}

// The stage table shows a figure only where a search found it: an undecided
// stage and one whose analysis was never run read "-", never a 0 that looks
// like a least magic or a count of final boards.
TEST(SolverProof, TheTableShowsNoFigureNoSearchFound) {
    using C = solver::TableColumn;
    auto drawn = solver::loadStage(std::string(LUMORA_TEST_DATA) + "/drawn_open.bkm");
    ASSERT_TRUE(std::holds_alternative<solver::Stage>(drawn));
    solver::Options undecided;  // too few states for the exact search, no goal search
    undecided.maxStates = 1000;
    undecided.goalStates = 0;
    solver::Options verdictOnly;
    verdictOnly.analyse = false;
    struct Case {
        solver::Stage stage;
        solver::Options options;
        bool figures, analysed;
    } cases[] = {
        {std::get<solver::Stage>(drawn), undecided, false, false},
        {builtIn(1), verdictOnly, true, false},
        {builtIn(1), {}, true, true},
    };
    for (const Case& c : cases) {
        const solver::ProofResult proof = solver::prove(c.stage, c.options);
        ASSERT_TRUE(proof.verdict);
        const solver::TableRow row = solver::tableRow(1, c.stage, proof);
        auto at = [&](C column) { return game::english(row[static_cast<std::size_t>(column)]); };
        for (C column : {C::LeastMagic, C::Spare, C::Casts, C::Walks})
            EXPECT_EQ(at(column) == "-", !c.figures) << static_cast<int>(column);
        EXPECT_EQ(at(C::FinalBoards) == "-", !c.analysed);
        if (!c.analysed) {
            EXPECT_EQ(at(C::Requires), "-");
        }
    }
}
