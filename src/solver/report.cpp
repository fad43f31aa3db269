#include "solver/report.h"

#include <algorithm>
#include <filesystem>

#include "solver/process_memory.h"

namespace solver {

int stageNumberOf(const std::string& fileName) {
    const std::string name = std::filesystem::path(fileName).filename().string();
    if (name.size() < 9 || name.rfind("mmap", 0) != 0 || name.substr(name.size() - 4) != ".bkm")
        return 1;
    const std::string digits = name.substr(4, name.size() - 8);
    if (digits.empty() || digits.size() > 4 || digits[0] == '0') return 1;
    for (char ch : digits)
        if (ch < '0' || ch > '9') return 1;
    return std::stoi(digits);
}

void setProblem(StageReport& rep, game::Phrase why, const std::optional<Refutation>& refutation) {
    if (refutation)
        why = game::plain(
            "%1: %2", {game::nested(std::move(why)), game::nested(refutationPhrase(*refutation))});
    rep.problem = game::english(why);
    rep.problemWords = std::move(why);
}

namespace {

// What a report cut short may still say.
StageReport cancelled(const StageReport& rep) {
    StageReport out;
    out.stageNo = rep.stageNo;
    out.states = rep.states;
    out.goalStates = rep.goalStates;
    out.ending.cancelled = true;
    out.verdictProven = false;
    return out;
}

}  // namespace

namespace {

// Plays a solution through the movement model and, when the options hold a
// check, through the game: the plan goes into the report when both agree it
// clears, else the reason goes into its problem.
bool checkPlan(const Stage& stage, const std::vector<Cast>& casts, const Options& options,
               StageReport& rep) {
    auto plan = makePlan(stage, casts, rep.stageNo);
    if (auto* why = std::get_if<std::string>(&plan)) {
        setProblem(rep,
                   game::phrase(kProblemWords,
                                QT_TRANSLATE_NOOP("Problem", "the solver's own solution fails: %1"),
                                {*why}));
        return false;
    }
    rep.plan = std::get<Plan>(plan);
    if (!options.check) return true;
    const auto disagreement =
        options.check(withAnswer(stage, rep.plan), rep.plan.steps, rep.stageNo);
    rep.replayed = !disagreement;
    if (disagreement)
        setProblem(rep, game::phrase(
                            kProblemWords,
                            QT_TRANSLATE_NOOP("Problem", "the game disagrees with the solver:\n%1"),
                            {*disagreement}));
    return rep.replayed;
}

// No magic clears the stage: the board's shape stands in the way. The walks
// from the start are still looked at for a way off the board.
StageReport refutedByShape(const Stage& stage, StageReport rep, const Refutation& why) {
    rep.decidedBy = DecidedBy::Refutation;
    rep.refutation = why;
    setProblem(rep,
               game::phrase(kProblemWords, QT_TRANSLATE_NOOP("Problem", "no clear with any magic")),
               why);
    const Reach reach = reachable(SolidMap(stage, stage.start), stage.start.player());
    rep.exits = reach.exits;
    rep.leaves = reach.leaves;
    if (reach.leaves >= 0) rep.leavesBoard = stage.start;
    return rep;
}

// States the exact search is given before the goal-directed search has its
// turn: a tight stage is settled within them sooner than by any other way.
constexpr std::size_t kFirstExactStates = 200'000;

// An exact search at `magic` within the proof's limits.
SearchOptions exactOptions(const Options& options, int magic, std::size_t maxStates) {
    SearchOptions o{magic, true, maxStates};
    o.control = options.control;
    o.memoryBudget = options.memoryBudget;
    return o;
}

// The goal-directed search's clear within the budget, checked like any other:
// the verdict, with the figures so far. Its casts, none when it found none or
// the check refused it.
std::vector<Cast> checkedClear(const Stage& stage, const Options& options,
                               BestFirstResult found, StageReport& rep) {
    rep.goalStates += found.states;
    rep.ending.cancelled = rep.ending.cancelled || found.cancelled;
    if (!found.cleared || found.needs > stage.magic) return {};
    StageReport trial = rep;
    if (!checkPlan(stage, found.casts, options, trial)) return {};
    rep = trial;
    rep.solvable = true;
    rep.leastMagic = found.needs;
    rep.decidedBy = DecidedBy::BestFirst;
    rep.leastMagicSoFar = rep.shortestSoFar = true;
    return std::move(found.casts);
}

// The exact search's states in each of its turns beside the goal-directed
// search, as a multiple of the goal-directed search's: its states cost a
// few times less to reach.
constexpr std::size_t kExactTurnShare = 4;

// The exact search at the budget's magic, and beside it, once a first try of
// the exact search has not settled the stage, the goal-directed search: the
// two take turns inside the one memory budget, each given what the other
// does not hold, until one settles the verdict. A checked clear of the goal-
// directed search settles it; asked for more than the verdict, the exact
// search then goes on alone with the whole budget for the shortest solution.
// The exact search's end, a clear or no state left, settles it too. Either
// one out of room lets go of its states and leaves the other to go on alone,
// with the memory it freed handed back to the system to grow into.
class VerdictRace {
public:
    VerdictRace(const Stage& stage, const Options& options, StageReport& rep)
        : stage_(stage),
          options_(options),
          rep_(rep),
          exact_(std::make_unique<ExactSearch>(
              stage, exactOptions(options, stage.magic, options.maxStates))) {}

    // The exact search's result (the whole of it, or as far as it went), and
    // in `quickCasts` the goal-directed search's checked clear, if any.
    SearchResult run(std::vector<Cast>& quickCasts) {
        exactTurn(std::min(options_.maxStates, kFirstExactStates));
        if (!exactSettled() && options_.goalStates > 0)
            goal_ = std::make_unique<GoalSearch>(
                stage_, BestFirstOptions{stage_.magic, kNoLimit, options_.control,
                                         options_.memoryBudget});
        std::size_t goalUpTo = 0;
        while (goal_ && !exactSettled()) {
            goal_->setMemoryBudget(beside(exact_ ? exact_->bytes() : 0));
            const bool goalGoes = goal_->advance(goalUpTo += options_.goalStates);
            notePeak();
            if (!goalGoes) {
                quickCasts = checkedClear(stage_, options_, goal_->result(), rep_);
                goal_.reset();
                if (exact_) handBackFreedMemory();
                if (!quickCasts.empty()) tell();
                break;
            }
            // Its end is noted as it ends; else the goal's next turn notes it.
            if (exact_) exactTurn(exactUpTo_ + kExactTurnShare * options_.goalStates);
        }
        if (goal_) {  // the exact search settled it
            rep_.goalStates += goal_->result().states;
            goal_.reset();
        }
        const bool settled = !quickCasts.empty() && options_.verdictOnly;
        if (exact_ && !settled) exactTurn(options_.maxStates);
        if (exact_) endExact();
        return *exactResult_;
    }

private:
    static constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

    // The verdict, told before the exact search goes on, which may take long,
    // with the states it has reached so far.
    void tell() const {
        if (!options_.onFirstVerdict) return;
        StageReport told = rep_;
        told.states += exact_ ? exact_->states() : exactResult_->states;
        options_.onFirstVerdict(told);
    }

    // Both searches only grow within a turn: what they hold after it is the
    // most they held in it.
    void notePeak() {
        const std::size_t held = (exact_ ? exact_->bytes() : 0) + (goal_ ? goal_->bytes() : 0);
        rep_.peakBytes = std::max(rep_.peakBytes, held);
    }

    std::size_t beside(std::size_t taken) const {
        return taken < options_.memoryBudget ? options_.memoryBudget - taken : 0;
    }

    // The exact search's states up to `upTo` (never past its limit), with
    // what the goal-directed search does not hold; over, it lets go of them.
    void exactTurn(std::size_t upTo) {
        exactUpTo_ = std::min(upTo, options_.maxStates);
        exact_->setMemoryBudget(beside(goal_ ? goal_->bytes() : 0));
        const bool paused = exact_->advance(exactUpTo_);
        if (paused && exactUpTo_ < options_.maxStates) return;
        endExact();
        if (paused) exactResult_->ending.cutShort = true;
    }

    void endExact() {
        notePeak();
        exactResult_ = exact_->finish();
        exact_.reset();
        if (goal_) handBackFreedMemory();
    }

    // The exact search is over with a clear, with no state left or cancelled;
    // one stopped by its limit or its memory short of a clear settles nothing.
    bool exactSettled() const {
        if (exact_) return false;
        const Ending& e = exactResult_->ending;
        return exactResult_->cleared || (!e.cutShort && !e.outOfMemory);
    }

    const Stage& stage_;
    const Options& options_;
    StageReport& rep_;
    std::unique_ptr<ExactSearch> exact_;
    std::unique_ptr<GoalSearch> goal_;
    std::optional<SearchResult> exactResult_;
    std::size_t exactUpTo_ = 0;
};

}  // namespace

namespace {

// No clear within the budget: "not solvable" only when a check or a search
// run to its end showed it, else undecided, whatever searches with more
// magic found.
void noClearWithBudget(StageReport& rep, const std::optional<Refutation>& why) {
    setProblem(
        rep,
        rep.verdictProven
            ? game::phrase(kProblemWords,
                           QT_TRANSLATE_NOOP("Problem", "not solvable with the stage's budget"))
            : game::phrase(kProblemWords,
                           QT_TRANSLATE_NOOP(
                               "Problem", "undecided: no clear found within the search's limits")),
        why);
}

}  // namespace

// The verdict and no more: a clear within the budget, checked, with the
// magic it needs as the least so far; or why none clears; or undecided.
StageReport verdictAlone(const Stage& stage, const Options& options, const SearchResult& best,
                         const std::vector<Cast>& quickCasts, const std::optional<Refutation>& why,
                         StageReport& rep) {
    if (rep.ending.cancelled) return cancelled(rep);
    if (best.cleared) {
        rep.leastMagic = best.needs;
        rep.leastMagicSoFar = best.needs > 1;
        if (best.casts != quickCasts) checkPlan(stage, best.casts, options, rep);
        return rep;
    }
    noClearWithBudget(rep, why);
    return rep;
}

StageReport solveStage(const Stage& stage, int stageNo, const Options& options) {
    StageReport rep;
    rep.stageNo = stageNo;
    const std::optional<Refutation> why = refute(stage);
    if (why && !why->magicAlone()) {
        rep = refutedByShape(stage, rep, *why);
        if (options.onFirstVerdict) options.onFirstVerdict(rep);
        return rep;
    }

    // What every exact search adds to the report.
    auto note = [&](SearchResult r) {
        rep.states += r.states;
        rep.peakBytes = std::max(rep.peakBytes, r.bytes);
        rep.ending.cancelled = rep.ending.cancelled || r.ending.cancelled;
        // A clear found is a clear, however far the search went.
        if (r.ending.cutShort && !r.cleared) rep.ending.cutShort = true;
        if (r.ending.outOfMemory && !r.cleared) rep.ending.outOfMemory = true;
        // Past column 1 the walk can only come back; over the top it goes on.
        rep.exits |= r.exits;
        if (r.leaves >= 0 && rep.leaves < 0) {
            rep.leaves = r.leaves;
            rep.leavesBoard = r.leavesBoard;
        }
        return r;
    };
    auto run = [&](int magic, std::size_t maxStates) {
        return note(search(stage, exactOptions(options, magic, maxStates)));
    };

    // Clearing is monotone in the starting magic: more never closes a way.
    // A refutation of the budget's magic leaves that search out. Otherwise
    // the exact search goes first with few states, as it settles a tight
    // stage sooner than any other; with more states the search is the same up
    // to where this one stops, so what it settles stands. Past that the
    // goal-directed search looks for a clear before the exact one goes on.
    SearchResult best;
    std::vector<Cast> quickCasts;
    if (why) {
        rep.decidedBy = DecidedBy::Refutation;
        rep.refutation = why;
        if (options.onFirstVerdict) options.onFirstVerdict(rep);
    } else {
        best = note(VerdictRace(stage, options, rep).run(quickCasts));
    }
    rep.verdictProven = why || best.cleared || !quickCasts.empty() || best.ending.finished();
    // The exact search stopped short of a clear the goal-directed one found:
    // that solution stands until a shorter one turns up.
    rep.shortestSoFar = !best.cleared && !quickCasts.empty();
    if (rep.shortestSoFar) {
        best.cleared = true;
        best.casts = quickCasts;
        best.needs = rep.leastMagic;
    }
    rep.solvable = best.cleared;
    if (options.verdictOnly) return verdictAlone(stage, options, best, quickCasts, why, rep);
    const int allowed = leastMagicAllowed(stage);
    // More magic only keeps more states: a search out of memory stops the rise.
    for (int m = std::max(stage.magic, 1) * 2; !best.cleared && !rep.ending.cancelled &&
                                               !rep.ending.outOfMemory && m / 2 < options.magicCap;
         m *= 2) {
        const int magic = std::min(m, options.magicCap);
        if (magic >= allowed) best = run(magic, options.maxStates);
    }
    if (rep.ending.cancelled) return cancelled(rep);
    if (!best.cleared && rep.ending.outOfMemory) {
        setProblem(
            rep, game::phrase(kProblemWords,
                              QT_TRANSLATE_NOOP("Problem",
                                                "undecided: a search reached its memory budget")));
        return rep;
    }
    if (!best.cleared) {
        // Past the budget only searches run to their end rule a magic out.
        if (rep.ending.finished())
            setProblem(rep,
                       game::phrase(kProblemWords,
                                    QT_TRANSLATE_NOOP("Problem", "no clear with up to %1 magic"),
                                    {options.magicCap}),
                       why);
        else
            noClearWithBudget(rep, why);
        return rep;
    }
    // A solution shows the magic it needs; one point less is searched again
    // until that search runs out of states without a clear.
    rep.leastMagicSoFar = false;
    for (;;) {
        if (best.needs <= 1) break;
        SearchResult less = run(best.needs - 1, options.maxStates);
        if (rep.ending.cancelled) return cancelled(rep);
        if (!less.cleared) {
            rep.proofStates = less.states;
            rep.leastMagicSoFar = !less.ending.finished();
            break;
        }
        best = less;
        rep.shortestSoFar = false;
    }
    rep.leastMagic = best.needs;

    if (!rep.solvable) {
        noClearWithBudget(rep, why);
        return rep;
    }
    // The goal-directed search's solution was checked already.
    if (best.casts != quickCasts) checkPlan(stage, best.casts, options, rep);
    return rep;
}

}  // namespace solver
