#include "workshop/core/pack_solutions.h"

#include "headless/check.h"

namespace workshop {

PackWithSolutions withSolutions(const game::Pack& pack, const SolutionOf& known) {
    PackWithSolutions out{{pack, {}}, {}};
    for (std::size_t i = 0; i < pack.stages.size(); ++i) {
        const KnownSolution solution = known(pack.stages[i]);
        if (solution.missing || solution.steps.empty()) {
            out.without.push_back(
                {static_cast<int>(i) + 1, solution.missing.value_or(NoSolution::NotProven)});
            out.contents.solutions.emplace_back();
        } else {
            out.contents.solutions.push_back(game::writeScript(solution.steps));
        }
    }
    return out;
}

KnownSolution onItsAnswer(const game::StageDesc& stage, KnownSolution known) {
    if (known.missing || known.steps.empty()) return known;
    if (headless::checkInGame(stage, known.steps, 1)) return {NoSolution::EndsElsewhere, {}};
    return known;
}

std::string carriedKey(const game::StageDesc& stage) {
    return game::writeStageText(stage) + game::writeAnswerText(stage);
}

CarriedCheck checkCarried(const game::StageDesc& stage, std::string_view script, int stageNo) {
    game::ScriptRead read = game::readScript(script);
    CarriedCheck out{carriedKey(stage), false, {}};
    // A script the reader stops short in is no solution, whatever its first
    // steps would do.
    if (read.error || read.steps.empty()) return out;
    out.clears = !headless::checkInGame(stage, read.steps, stageNo);
    if (out.clears) out.steps = std::move(read.steps);
    return out;
}

std::vector<Carried> carriedOf(const game::PackContents& contents) {
    std::vector<Carried> out;
    const std::size_t count = std::min(contents.pack.stages.size(), contents.solutions.size());
    for (std::size_t i = 0; i < count; ++i)
        if (!contents.solutions[i].empty())
            out.push_back(
                {contents.pack.stages[i], contents.solutions[i], static_cast<int>(i) + 1});
    return out;
}

std::optional<bool> checkAllCarried(const std::vector<Carried>& carried, ProofFlags& control,
                                    const CarriedChecker::ReportVerdict& report) {
    for (const Carried& c : carried) {
        if (control.cancel) return std::nullopt;
        report(checkCarried(c.stage, c.script, c.stageNo));
    }
    return true;
}

}  // namespace workshop
