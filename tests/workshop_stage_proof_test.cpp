#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "game/files.h"
#include "workshop/core/editing.h"
#include "workshop/core/stage_proof.h"

namespace {

game::StageDesc shipped(int n) {
    auto desc = game::readStageFile(LUMORA_STAGES_DIR, game::stageFileName(n));
    return std::get<game::StageDesc>(desc);
}

std::optional<workshop::StageProof> proof(const game::StageDesc& stage) {
    solver::ProofControl control;
    return workshop::proveStage(stage, control, [](const workshop::StageVerdict&) {});
}

// A corridor along row 8 under solid walls, the start at (1, 8), one pool at
// (5, 8): small enough that a proof that finds no clear ends at once.
game::StageDesc corridorWithPool() {
    game::StageDesc s = workshop::blankStage();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (r != 8) s.set(c, r, game::CellKind::Wall);
    s.startCol = 1;
    s.startRow = 8;
    s.set(5, 8, game::CellKind::Water);
    s.target = 0;
    return s;
}

}  // namespace

// The designer is told why a stage does not clear: the magic it lacks, or a
// pool the character can never come near.
TEST(WorkshopProof, SaysWhyAStageDoesNotClear) {
    game::StageDesc poor = corridorWithPool();
    poor.magic = 2;  // clearing the pool costs 2 and leaves none
    game::StageDesc walled = corridorWithPool();
    for (int c : {4, 6}) walled.set(c, 8, game::CellKind::Wall);
    const struct {
        game::StageDesc stage;
        std::string why;
    } cases[] = {
        {poor, "not enough magic: it needs 3 to start with, it has 2"},
        {walled,
         "the pool at column 5, row 8 can never be cleared: no cell the character could ever "
         "reach is beside it"},
    };
    for (const auto& t : cases) {
        const auto p = proof(t.stage);
        ASSERT_TRUE(p && p->proof.verdict);
        EXPECT_FALSE(p->proof.verdict->solvable);
        EXPECT_EQ(game::english(workshop::whyNotSolvable(t.stage, *p->proof.verdict)), t.why);
    }
}

// A stage no search could begin on is refused before any search: the
// designer reads why, and no state is searched nor any verdict told.
TEST(WorkshopProof, AStartNoSearchCanBeginOnIsRefusedBeforeAnySearch) {
    game::StageDesc inAir = corridorWithPool();
    for (int c = 1; c <= 9; ++c) inAir.set(c, 7, game::CellKind::Empty);
    inAir.startRow = 7;
    game::StageDesc noStart = corridorWithPool();
    noStart.startCol = 0;
    const struct {
        const char* name;
        game::StageDesc stage;
        std::string why;
    } cases[] = {
        {"in the air", inAir, "the character does not start on solid ground"},
        {"no start", noStart, "the board has no start cell \"P\""},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        solver::ProofControl control;
        bool told = false;
        const auto p = workshop::proveStage(t.stage, control,
                                            [&](const workshop::StageVerdict&) { told = true; });
        ASSERT_TRUE(p && p->problem);
        EXPECT_EQ(game::english(*p->problem), t.why);
        EXPECT_FALSE(p->proof.verdict);
        EXPECT_FALSE(told);
        EXPECT_EQ(control.states.load(), 0u);
    }
}

// The answers a proof offers are its final boards, each once, the shortest
// solution's first: the one the game's own answer file was made from.
TEST(WorkshopProof, OffersEveryFinalBoardOnceTheShortestFirst) {
    for (int n : {1, 11, 20}) {
        SCOPED_TRACE(n);
        game::StageDesc stage = shipped(n);
        ASSERT_FALSE(game::readAnswerFile(LUMORA_STAGES_DIR, game::answerFileName(n), stage));
        const auto p = proof(stage);
        ASSERT_TRUE(p && p->proof.analysis);
        EXPECT_EQ(p->answers.size(), p->proof.analysis->validation.finalBoards);
        ASSERT_FALSE(p->answers.empty());
        EXPECT_EQ(p->answers.front(), stage.answer);
    }
}

// An edit of the board or the numbers leaves no stale answer behind; undoing
// it brings the old answer back with the old board.
TEST(WorkshopProof, EditsDropTheAnswerUndoKeepsIt) {
    game::StageDesc stage = shipped(1);
    ASSERT_FALSE(game::readAnswerFile(LUMORA_STAGES_DIR, game::answerFileName(1), stage));
    workshop::Stroke stroke(stage, workshop::Kind::Sand);
    stroke.to(5, 1);
    for (const auto& edit : {stroke.finish(), workshop::setTarget(stage, stage.target + 1),
                             workshop::setMagic(stage, stage.magic + 1)}) {
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->after.answer, workshop::AnswerMarks{});
        EXPECT_EQ(edit->before.answer, stage.answer);
    }
    EXPECT_FALSE(workshop::setAnswer(stage, stage.answer));
}

// An open stage drawn with many blocks and sand: the verdict comes first,
// from a checked clear, its figures marked as found so far; the exact search
// then goes on within the workshop's memory setting and says its figures are
// still only the best so far when the memory runs out.
TEST(WorkshopProof, AnOpenStageIsCalledSolvableFirstAndItsFiguresSoFar) {
    auto read = game::readStageFile(LUMORA_TEST_DATA, "drawn_open.bkm");
    ASSERT_TRUE(std::holds_alternative<game::StageDesc>(read));
    const std::size_t before = workshop::proofMemoryMB();
    workshop::setProofMemoryMB(workshop::kMinProofMemoryMB);
    solver::ProofControl control;
    std::vector<workshop::StageVerdict> told;
    workshop::proveStage(std::get<game::StageDesc>(read), control,
                         [&](const workshop::StageVerdict& v) {
                             told.push_back(v);
                             if (v.final) control.cancel = true;  // the analysis is not wanted here
                         });
    workshop::setProofMemoryMB(before);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_FALSE(told[0].final);
    EXPECT_TRUE(told[1].final);
    for (const workshop::StageVerdict& v : told) {
        EXPECT_TRUE(v.report.solvable && v.report.verdictProven);
        EXPECT_TRUE(v.report.shortestSoFar);
        EXPECT_NE(v.answer, workshop::AnswerMarks{});
    }
    EXPECT_TRUE(told[1].report.ending.outOfMemory);
    // The setting was the one searched within: 64 MB hold two million states
    // or so, the default 512 MB eight times as many.
    EXPECT_LT(told[1].report.states, 4'000'000u);
}
