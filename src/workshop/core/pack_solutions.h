#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/pack_file.h"
#include "game/replay_script.h"
#include "game/stage_desc.h"
#include "workshop/core/proof_scheduler.h"

namespace workshop {

// Why a stage goes without a solution.
enum class NoSolution { NotSolvable, Undecided, NotProven, CannotBeProven, EndsElsewhere };

// What the workshop knows of one stage's solution: steps that clear it, or
// why it has none.
struct KnownSolution {
    std::optional<NoSolution> missing;  // nothing: `steps` clears the stage
    std::vector<game::ScriptStep> steps;
};

// Stage `number` (from 1) and why it has no solution to carry.
struct StageWithout {
    int number;
    NoSolution why;
    bool operator==(const StageWithout&) const = default;
};

// A pack as a pack file takes it, every solution known written out, and the
// stages that go without one.
struct PackWithSolutions {
    game::PackContents contents;
    std::vector<StageWithout> without;
};
using SolutionOf = std::function<KnownSolution(const game::StageDesc&)>;
PackWithSolutions withSolutions(const game::Pack& pack, const SolutionOf& known);

// The solution as a pack file may carry it: one the game clears the stage
// with on its answer's board. A proof's shortest solution ends on a board of
// its own choosing, and a maker may have chosen another final board as the
// answer; such a solution would be refused when the pack is opened again.
KnownSolution onItsAnswer(const game::StageDesc& stage, KnownSolution known);

// A solution a pack brought with it, and what the game made of it. Checked
// against the stage with its answer, as the game's own solutions are: it
// must clear the stage on the board the mini-map shows.
struct CarriedCheck {
    std::string key;  // carriedKey of the stage it was checked on
    bool clears = false;
    std::vector<game::ScriptStep> steps;
};
// The stage and its answer: what a check of a carried solution depends on.
std::string carriedKey(const game::StageDesc& stage);
CarriedCheck checkCarried(const game::StageDesc& stage, std::string_view script, int stageNo);

// The carried solutions of a pack, checked one after another on a worker
// (each a whole game played in virtual time, a fraction of a millisecond),
// each handed over as it is known; a new pack stops the rest.
struct Carried {
    game::StageDesc stage;
    std::string script;
    int stageNo = 1;
};
std::vector<Carried> carriedOf(const game::PackContents& contents);
using CarriedChecker = ProofScheduler<bool, CarriedCheck, ProofFlags, std::vector<Carried>>;
std::optional<bool> checkAllCarried(const std::vector<Carried>& carried, ProofFlags& control,
                                    const CarriedChecker::ReportVerdict& report);

}  // namespace workshop
