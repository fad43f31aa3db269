#include "solver/report.h"

#include <algorithm>
#include <filesystem>

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

// The goal-directed search's clear within the budget, checked like any other:
// the verdict, with the figures so far. Its casts, none when it found none.
std::vector<Cast> quickClear(const Stage& stage, const Options& options, std::size_t states,
                             StageReport& rep) {
    if (states == 0) return {};
    BestFirstOptions goal{stage.magic, states, options.control};
    goal.memoryBudget = options.memoryBudget;
    BestFirstResult found = bestFirst(stage, goal);
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

// How many times `goalStates` the goal-directed search may look at: an open
// board it does not settle soon is searched longer for a clear before the
// exact search goes on to its memory budget, since on such a board that one
// seldom ends before.
constexpr std::size_t kPatience = 8;

// The goal-directed search, at length. It is the same search however far it
// goes, so one run finds whatever a short run and then a longer one would.
std::vector<Cast> goalDirected(const Stage& stage, const Options& options, StageReport& rep) {
    return quickClear(stage, options, kPatience * options.goalStates, rep);
}

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

    auto run = [&](int magic, std::size_t maxStates) {
        SearchOptions searchOptions{magic, true, maxStates};
        searchOptions.control = options.control;
        searchOptions.memoryBudget = options.memoryBudget;
        SearchResult r = search(stage, searchOptions);
        rep.states += r.states;
        rep.ending.cancelled = rep.ending.cancelled || r.ending.cancelled;
        // A clear found is a clear, however far the search went.
        if (r.ending.cutShort && !r.cleared) rep.ending.cutShort = true;
        if (r.ending.outOfMemory && !r.cleared) rep.ending.outOfMemory = true;
        // Past column 1 the walk can only come back; above row 1, see complete().
        rep.exits |= r.exits;
        if (r.leaves >= 0 && rep.leaves < 0) {
            rep.leaves = r.leaves;
            rep.leavesBoard = r.leavesBoard;
        }
        return r;
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
        const std::size_t first = std::min(options.maxStates, kFirstExactStates);
        best = run(stage.magic, first);
        if (!best.cleared && best.ending.cutShort && !rep.ending.cancelled) {
            quickCasts = goalDirected(stage, options, rep);
            if (!quickCasts.empty() && options.onFirstVerdict) options.onFirstVerdict(rep);
            // A checked clear is the verdict: asked for no more, the exact
            // search is not run on for the shortest.
            const bool settled = options.verdictOnly && !quickCasts.empty();
            if (settled) rep.ending.cutShort = false;  // a checked clear needs no search's word
            if (options.maxStates > first && !settled) {
                rep.ending.cutShort = false;  // the first try's stop claims nothing now
                best = run(stage.magic, options.maxStates);
            }
        }
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
