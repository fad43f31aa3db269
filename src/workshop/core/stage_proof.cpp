#include "workshop/core/stage_proof.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <variant>

#include "solver/plan.h"

namespace workshop {

namespace {

std::atomic<std::size_t> gMemoryMB{solver::kMemoryBudgetMB};

// The same board to a player's eye: a block the stage began with and one of
// the answer look alike on the board.
bool sameBoard(const AnswerMarks& a, const AnswerMarks& b) {
    auto plain = [](game::AnswerMark m) {
        return m == game::AnswerMark::Answer ? game::AnswerMark::Block : m;
    };
    return std::equal(a.begin(), a.end(), b.begin(),
                      [&](game::AnswerMark x, game::AnswerMark y) { return plain(x) == plain(y); });
}

AnswerMarks answerOfPlan(const solver::StageReport& report) { return report.plan.answer; }

// Every final board as an answer, the shortest solution's first and none twice.
std::vector<AnswerMarks> answersOf(const solver::Stage& stage, const StageProof& proof) {
    std::vector<AnswerMarks> out;
    if (proof.proof.verdict && proof.proof.verdict->solvable)
        out.push_back(answerOfPlan(*proof.proof.verdict));
    if (!proof.proof.analysis) return out;
    const std::array<bool, solver::kCells> untouched{};
    for (const solver::Board& board : proof.proof.analysis->validation.boards) {
        const AnswerMarks marks = solver::answerFor(stage, board, untouched).answer;
        if (std::none_of(out.begin(), out.end(),
                         [&](const AnswerMarks& m) { return sameBoard(m, marks); }))
            out.push_back(marks);
    }
    return out;
}

}  // namespace

void setProofMemoryMB(std::size_t megabytes) { gMemoryMB = megabytes; }

std::size_t proofMemoryMB() { return gMemoryMB; }

solver::Options panelOptions() {
    solver::Options options;
    options.memoryBudget = proofMemoryMB() * solver::kBytesPerMB;
    return options;
}

game::Phrase whyNotSolvable(const game::StageDesc& stage, const solver::StageReport& report) {
    if (report.leastMagic > 0)
        return game::phrase(
            solver::kProblemWords,
            QT_TRANSLATE_NOOP("Problem", "not enough magic: it needs %1 to start with, it has %2"),
            {report.leastMagic, stage.magic});
    if (report.refutation) return solver::refutationPhrase(*report.refutation);
    if (report.problem.empty())
        return game::phrase(solver::kProblemWords, QT_TRANSLATE_NOOP("Problem", "no clear found"));
    return report.problemWords;
}

std::optional<StageProof> proveStage(const game::StageDesc& desc, solver::ProofControl& control,
                                     const std::function<void(const StageVerdict&)>& verdict) {
    StageProof out;
    if ((out.problem = solver::stageProblem(desc))) return out;
    auto stage = solver::stageFromDesc(desc, "the stage");
    const solver::Stage& s = std::get<solver::Stage>(stage);
    auto tell = [&](bool final) {
        return [&verdict, final](const solver::StageReport& report) {
            verdict(StageVerdict{report, report.solvable ? answerOfPlan(report) : AnswerMarks{},
                                 final});
        };
    };
    control.onFirstVerdict = tell(false);
    control.onVerdict = tell(true);
    out.proof = solver::prove(s, panelOptions(), &control);
    control.onFirstVerdict = nullptr;
    control.onVerdict = nullptr;
    if (out.proof.ending.cancelled && !out.proof.verdict) return std::nullopt;
    // A proof stopped in its analysis still has its verdict to show.
    out.answers = answersOf(s, out);
    return out;
}

}  // namespace workshop
