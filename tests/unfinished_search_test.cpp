// No figure is called proven that a search did not finish: each search a
// stage's report rests on is stopped in turn, at its state limit, at its
// memory budget or by a cancel, and every figure that hung on it must read
// "so far" or be missing. The figures a report does call proven are checked
// against searches left to run to their end, and its solution against the
// game, where the magic is read after every cast.

#include <gtest/gtest.h>

#include "solver/report.h"
#include "solver/search.h"
#include "support/drawn_undecided.h"
#include "support/watched_replay.h"

namespace {

solver::Stage stageOf(const char* board, int target, int budget) {
    std::string text;
    for (const char* line = board; *line != '\0'; line += 9) text += std::string(line, 9) + "\r\n";
    text += std::to_string(target) + "\r\n" + std::to_string(budget) + "\r\n";
    auto desc = game::parseStageText("mmap1.bkm", text);
    if (auto* e = std::get_if<game::FileError>(&desc)) throw std::runtime_error(e->message);
    return std::get<solver::Stage>(solver::stageFromDesc(std::get<game::StageDesc>(desc), "m"));
}

// A drawn stage whose least magic, 18, clears within 600 states, while the
// search at 17 runs some 5,000 without a clear and needs more memory: a
// limit between the two stops the search below the least alone. No cheap
// check turns 17 down.
constexpr const char* kDeep =
    "KKKKKKKKK"
    "KKKKKKKKK"
    "KKKKKKKKK"
    "KKKKKKKKK"
    "SK....BKK"
    "K.K.WW.KK"
    "..W.K.WKK"
    ".KW..KPKK"
    "KKKKKKKKK";
constexpr int kDeepTarget = 4;
constexpr int kDeepLeast = 18;

solver::Stage openStage() {
    auto parsed = solver::loadStage(std::string(LUMORA_TEST_DATA) + "/drawn_open.bkm");
    return std::get<solver::Stage>(parsed);
}

constexpr std::size_t kNoLimit = solver::kMaxStates;
constexpr std::size_t kAllMemory = solver::kMemoryBudgetMB * solver::kBytesPerMB;
// Room for the first table of states and no more.
constexpr std::size_t kOneTable = 128 * 1024;
constexpr std::size_t kFewStates = 2000;
// What the goal-directed search's tables take from their start, counted
// with their room to grow: below it no budget holds.
constexpr std::size_t kOverstep = 3 * solver::kBytesPerMB;
// Enough for the exact search's first states on the open stage, not for all:
// the goal-directed search takes turns with it there.
constexpr std::size_t kShared = 24 * solver::kBytesPerMB;
// On the undecided stage: room that the goal-directed search's first turn
// fills beside the exact search's first states, and room that the exact
// search's second turn fills beside the goal-directed search's first.
constexpr std::size_t kGoalFills = 48 * solver::kBytesPerMB;
constexpr std::size_t kExactFills = 64 * solver::kBytesPerMB;
// Too little for the exact search on the open stage, enough for the
// goal-directed search alone.
constexpr std::size_t kExactOutOfRoom = 6 * solver::kBytesPerMB;
// Enough that the exact search goes on after the goal-directed clear.
constexpr std::size_t kCancelledLater = 300'000;

enum class Stop { None, Before, AtFirstVerdict };
// A search looks at the cancel every thousand states or so.
constexpr std::size_t kSeenWithin = 1024;

struct Row {
    const char* name;
    solver::Stage stage;
    std::size_t maxStates, memory, goalStates;
    Stop cancel;
    // What the report must say: "yes", "no" or "?" for the verdict; the least
    // magic (0 for none known) and whether only so far; the shortest solution
    // only so far.
    const char* verdict;
    int leastMagic;
    bool leastSoFar, shortestSoFar;
    bool verdictOnly = false;
};

}  // namespace

TEST(UnfinishedSearch, WhatAStoppedSearchLeftOpenReadsSoFarOrIsMissing) {
    const solver::Stage atLeast = stageOf(kDeep, kDeepTarget, game::budgetOfMagic(kDeepLeast));
    const solver::Stage below = stageOf(kDeep, kDeepTarget, game::budgetOfMagic(kDeepLeast - 1));
    const solver::Stage open = openStage();
    const std::size_t goal = solver::kBestFirstStates;
    const solver::Stage undecided = testing_support::drawnUndecided();
    const Row rows[] = {
        {"nothing stops", atLeast, kNoLimit, kAllMemory, goal, Stop::None, "yes", kDeepLeast, false,
         false},
        {"the search below the least at its state limit", atLeast, kFewStates, kAllMemory, goal,
         Stop::None, "yes", kDeepLeast, true, false},
        {"the search below the least at its memory budget", atLeast, kNoLimit, kOneTable, goal,
         Stop::None, "yes", kDeepLeast, true, false},
        {"a budget one short, nothing stops", below, kNoLimit, kAllMemory, goal, Stop::None, "no",
         kDeepLeast, false, false},
        {"a budget one short, its search at the state limit", below, kFewStates, kAllMemory, goal,
         Stop::None, "?", kDeepLeast, true, false},
        {"a budget one short, its search at the memory budget", below, kNoLimit, kOneTable, goal,
         Stop::None, "?", 0, false, false},
        {"the verdict alone, a budget one short", below, kNoLimit, kAllMemory, goal, Stop::None,
         "no", 0, false, false, true},
        {"the verdict alone, its search at the state limit", below, kFewStates, kAllMemory, goal,
         Stop::None, "?", 0, false, false, true},
        {"cancelled before it starts", atLeast, kNoLimit, kAllMemory, goal, Stop::Before, "?", 0,
         false, false},
        // Its clear needs 1, below which no magic can be: that figure stands.
        {"the exact search cut short, the goal-directed clear stands", open, 1000, kAllMemory, goal,
         Stop::None, "yes", 1, false, true},
        // The exact search lets go of its states at its budget; the goal-directed
        // search goes on with them and clears.
        {"the exact search out of memory, the goal-directed clear stands", open, kNoLimit,
         kExactOutOfRoom, goal, Stop::None, "yes", 1, false, true},
        {"the two searches side by side in one budget", open, kNoLimit, kShared, goal, Stop::None,
         "yes", 1, false, true},
        // Neither clears: both grow side by side, then the goal-directed one
        // alone, to the end of the one budget.
        {"neither clears, the goal-directed search fills the rest", undecided, kNoLimit,
         kGoalFills, goal, Stop::None, "?", 0, false, false},
        {"neither clears, the exact search fills the rest", undecided, kNoLimit, kExactFills, goal,
         Stop::None, "?", 0, false, false},
        {"cancelled once the goal-directed clear is told", open, kCancelledLater, kAllMemory, goal,
         Stop::AtFirstVerdict, "?", 0, false, false},
        // The goal-directed search has no state limit of its own: it goes on
        // until the memory budget.
        {"the goal-directed search out of memory too", open, 1000, kOneTable, goal, Stop::None,
         "?", 0, false, false},
    };
    for (const Row& t : rows) {
        SCOPED_TRACE(t.name);
        solver::SearchControl control;
        control.cancel = t.cancel == Stop::Before;
        solver::Options o;
        o.maxStates = t.maxStates;
        o.memoryBudget = t.memory;
        o.goalStates = t.goalStates;
        o.control = &control;
        o.check = headless::checkInGame;
        o.verdictOnly = t.verdictOnly;
        std::size_t statesWhenTold = 0;
        if (t.cancel == Stop::AtFirstVerdict)
            o.onFirstVerdict = [&](const solver::StageReport& told) {
                statesWhenTold = told.states + told.goalStates;
                control.cancel = true;
            };
        const solver::StageReport rep = solver::solveStage(t.stage, 1, o);
        const std::string verdict = !rep.verdictProven ? "?" : rep.solvable ? "yes" : "no";
        // The searches together keep within the one budget, the memory a
        // search may overstep by before it looks again aside.
        EXPECT_LE(rep.peakBytes, t.memory + kOverstep);
        // Every search stopped by its memory: the last of them held the whole
        // budget beside what the other held, and the peak says so.
        if (verdict == "?" && rep.ending.outOfMemory && !rep.ending.cutShort) {
            EXPECT_GE(rep.peakBytes, t.memory);
        }
        EXPECT_EQ(verdict, t.verdict);
        EXPECT_EQ(rep.ending.cancelled, t.cancel != Stop::None);
        if (t.leastMagic >= 0) {
            EXPECT_EQ(rep.leastMagic, t.leastMagic);
        }
        EXPECT_EQ(rep.leastMagicSoFar, t.leastSoFar);
        EXPECT_EQ(rep.shortestSoFar, t.shortestSoFar);
        const bool stopped =
            (t.maxStates != kNoLimit && t.maxStates != kCancelledLater) || t.memory != kAllMemory;
        EXPECT_EQ(rep.complete(), !stopped && t.cancel == Stop::None);
        // A "no" is said only when proven; an undecided stage says so.
        if (!rep.solvable && !rep.ending.cancelled) {
            EXPECT_FALSE(rep.problem.empty());
            EXPECT_EQ(rep.problem.rfind("undecided", 0) == 0, verdict == "?") << rep.problem;
        }
        if (rep.ending.cancelled) {
            // Nothing a cancelled search found is an answer, and it stopped at once.
            EXPECT_EQ(rep.leastMagic, 0);
            EXPECT_EQ(rep.plan.casts, 0);
            EXPECT_FALSE(rep.solvable);
            EXPECT_LE(rep.states + rep.goalStates, statesWhenTold + kSeenWithin);
            continue;
        }

        // What is called proven holds for searches run to their end.
        if (verdict == "no") {
            EXPECT_FALSE(solver::search(t.stage, {t.stage.magic}).cleared);
        }
        if (rep.leastMagic > 1 && !rep.leastMagicSoFar) {
            const solver::SearchResult less = solver::search(t.stage, {rep.leastMagic - 1});
            EXPECT_TRUE(less.ending.finished() && !less.cleared);
        }
        if (rep.plan.casts == 0) continue;
        if (!rep.shortestSoFar) {
            EXPECT_EQ(static_cast<std::size_t>(rep.plan.casts),
                      solver::search(t.stage, {rep.leastMagic}).casts.size());
        }
        // The solution's figures are the game's: its casts and walks, and with
        // the least magic it names the magic comes down to the last point.
        EXPECT_TRUE(rep.replayed);
        const testing_support::Watched w =
            testing_support::watchInGame(t.stage, rep.plan, rep.leastMagic);
        EXPECT_TRUE(w.cleared) << w.output;
        EXPECT_EQ(w.casts, rep.plan.casts);
        EXPECT_EQ(w.walks, rep.plan.walks);
        EXPECT_EQ(w.idleCasts + w.idleWalks, 0);
        EXPECT_GE(w.lowestMagic, 1);
        if (rep.leastMagic > 1) {
            EXPECT_EQ(w.lowestMagic, 1);
        }
    }
}

// Every search sees a cancel inside its loop: one asked to stop before it
// starts stops within a look's worth of states, claims no clear and says it
// was cancelled.
TEST(UnfinishedSearch, EachSearchStopsSoonAfterACancel) {
    const solver::Stage open = openStage();
    solver::SearchControl control;
    control.cancel = true;
    solver::SearchOptions exact{open.magic};
    exact.control = &control;
    const solver::SearchResult r = solver::search(open, exact);
    EXPECT_TRUE(r.ending.cancelled);
    EXPECT_FALSE(r.cleared);
    EXPECT_LE(r.states, kSeenWithin);
    solver::BestFirstOptions goal{open.magic};
    goal.control = &control;
    const solver::BestFirstResult g = solver::bestFirst(open, goal);
    EXPECT_TRUE(g.cancelled);
    EXPECT_FALSE(g.cleared);
    EXPECT_LE(g.states, kSeenWithin);
    EXPECT_LE(control.states.load(), 2 * kSeenWithin);
}
