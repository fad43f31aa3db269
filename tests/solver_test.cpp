#include <sstream>

#include "headless/check.h"
#include "solver/moves.h"
#include "solver/plan.h"
#include "solver/report.h"
#include "solver/search.h"
#include "solver/table.h"
#include "solver/validate.h"
#include "support/fixture.h"

using testing_support::Game;

namespace {

solver::Stage stageOf(const std::vector<std::string>& rows, const std::string& target,
                      const std::string& budget) {
    game::MapLines lines{};
    for (std::size_t i = 0; i < rows.size(); ++i) lines[i + 1] = rows[i];
    lines[10] = target;
    lines[11] = budget;
    auto parsed = solver::parseStage(lines, "test");
    if (auto* e = std::get_if<std::string>(&parsed)) throw std::runtime_error(*e);
    return std::get<solver::Stage>(parsed);
}

// Solved with the solution played through the real game, as lumora-solve does.
solver::StageReport solvedInGame(const solver::Stage& stage) {
    solver::Options options;
    options.check = headless::checkInGame;
    return solver::solveStage(stage, 1, options);
}

// Steps, a climb, a two-high wall, a hole two rows deep and the right edge.
const std::vector<std::string> kTerrain = {".........", ".........", ".........",
                                           ".........", "......K..", "..K...K..",
                                           ".KK..PK..", ".KKK.KKK.", "KKKK.KKK."};

}  // namespace

// Where the sprite stands on a place: over the top, `height` rows above row 1.
void expectStandsOn(Game& g, int place, int height) {
    EXPECT_EQ(g.timers(), "-");
    EXPECT_EQ(g.sprite().Left, 48 * (solver::columnOf(place) - 1));
    EXPECT_EQ(g.sprite().Top, solver::isOverTop(place) ? -48 * height
                                                       : 48 * (solver::rowOf(place) - 1));
}

// Walks the game from the stage's start to `place` as the reach found it,
// each walk waited out as the model says; answers the height it ends at.
int walkThere(Game& g, const solver::SolidMap& solid, const solver::Reach& reach, int place) {
    std::vector<int> path;
    for (int at = place; at != reach.start; at = reach.via[static_cast<std::size_t>(at)])
        path.push_back(at);
    int height = 1;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        const auto column = static_cast<std::size_t>(reach.column[static_cast<std::size_t>(*it)]);
        const solver::Clicks clicks =
            solver::clicksFrom(solid, reach.via[static_cast<std::size_t>(*it)], solver::moves::kAll,
                               height);
        g.walkTo(static_cast<int>(column), 1);
        g.wait(100 * clicks.ticks[column]);
        height = clicks.height[column];
        expectStandsOn(g, *it, height);
    }
    return height;
}

// Every column one click can reach from every place the character can get
// to: the model's place, height and wait must match the real game, which
// must stand still by then. Over the top it stands above a column while row
// 2 is solid, walks on while row 1 is free, climbs again only in the walk
// that brought it up, and falls through row 1 where row 2 is free.
TEST(SolverMoves, EveryClickAgreesWithTheGame) {
    const std::vector<std::vector<std::string>> boards = {
        kTerrain,
        {".........", ".........", ".........", "..K......", "..KB.....", ".P.BK....", "KKKKKB...",
         "KKKKK..W.", "KKKKKKKKK"},
        {".........", ".........", "......BB.", "....KKKKK", ".....B...", "..KKKKK..", ".........",
         "P..BB....", "KKKKKKKKK"},
        // over the top: standing, walking, a second climb, a fall back onto the board
        {"P.B.B..K.", "KKKKKK.KK", "KKKKKKKKK", ".........", ".........", ".........",
         ".........", ".........", "KKKKKKKKK"},
        // a fall through a block in row 1
        {"P.B......", "KK.KKKKKK", "KK.KKKKKK", "KKKKKKKKK", ".........", ".........",
         ".........", ".........", "KKKKKKKKK"},
    };
    int checked = 0, overTop = 0;
    for (const auto& board : boards) {
        const solver::Stage stage = stageOf(board, "1", "9");
        const solver::SolidMap solid(stage, stage.start);
        const solver::Reach reach = solver::reachable(solid, stage.start.player());
        for (int i = 0; i < reach.size; ++i) {
            const int start = reach.order[static_cast<std::size_t>(i)];
            for (int x = 1; x <= 9; ++x) {
                Game g;
                g.play(board, "1", "9");
                const int height = walkThere(g, solid, reach, start);
                const solver::Clicks clicks =
                    solver::clicksFrom(solid, start, solver::moves::kAll, height);
                const int dest = clicks.dest[static_cast<std::size_t>(x)];
                if (dest < 0) continue;
                SCOPED_TRACE("from place " + std::to_string(start) + " to column " +
                             std::to_string(x));
                g.walkTo(x, 1);
                g.wait(100 * clicks.ticks[static_cast<std::size_t>(x)]);
                expectStandsOn(g, dest, clicks.height[static_cast<std::size_t>(x)]);
                ++checked;
                overTop += solver::isOverTop(start) || solver::isOverTop(dest);
            }
        }
    }
    EXPECT_GE(checked, 40);
    EXPECT_GE(overTop, 10);
}

// Over the top the character can go where the board alone would not take it:
// past a wall in row 1 and down through a block onto the floor beyond. A
// climb from row 1 is still noted, and a wall two high still blocks.
TEST(SolverMoves, AClimbFromRowOneGoesOverTheTopAndBackOntoTheBoard) {
    const solver::Stage stage =
        stageOf({"P.K......", "KKKK.....", ".........", ".........", ".........", ".........",
                 ".........", ".........", "KKKKKKKKK"},
                "1", "9");
    const solver::SolidMap solid(stage, stage.start);
    const solver::Reach reach = solver::reachable(solid, stage.start.player());
    EXPECT_TRUE(reach.has(solver::overTopOf(3)));
    EXPECT_TRUE(reach.has(solver::overTopOf(4)));  // walked to after arriving over column 3
    EXPECT_TRUE(reach.has(solver::cellIndex(5, 8)));  // fallen through row 1 of column 5
    EXPECT_EQ(reach.leaves, stage.start.player());
    EXPECT_EQ(reach.exits, solver::kOffTop | solver::kOffLeft);
    // Left out, the walks keep to the board: the start and column 2.
    const solver::Reach onBoard = solver::reachable(
        solid, stage.start.player(), solver::moves::kAll & ~solver::moves::kOverTop);
    EXPECT_EQ(onBoard.size, 2);

    const solver::Stage walled = stageOf(kTerrain, "1", "9");
    const solver::Clicks clicks =
        solver::clicksFrom(solver::SolidMap(walled, walled.start), walled.start.player());
    EXPECT_EQ(clicks.dest[7], -1);                       // two-high wall to the right
    EXPECT_EQ(clicks.dest[5], solver::cellIndex(5, 9));  // the hole, two rows down
}

// A click during a walk moves its target but not its direction: sent right
// while walking left, the character walks on past column 1, as the solver warns.
TEST(SolverMoves, AWalkLeftRetargetedOnTheWayLeavesTheBoard) {
    const std::vector<std::string> rows = {".........", ".........", ".........",
                                           ".........", ".........", ".........",
                                           ".........", "..P......", "KKKKKKKKK"};
    const solver::Stage stage = stageOf(rows, "1", "9");
    const solver::Reach reach =
        solver::reachable(solver::SolidMap(stage, stage.start), stage.start.player());
    EXPECT_EQ(reach.exits, solver::kOffLeft);

    Game g;
    g.play(rows, "1", "9");
    g.walkTo(1, 8);
    g.wait(100);
    g.cast(5, 1);
    g.wait(1000);
    EXPECT_LT(g.sprite().Left, 0);
    EXPECT_EQ(g.sprite().Top, 48 * 7);
}

// The table's exits column names the cell a walk leaves from, the corners
// included, and each way off the board; "-" when no walk leaves.
TEST(SolverTable, TheExitsColumnNamesTheCellAndTheWaysOff) {
    const struct {
        int leaves;
        unsigned exits;
        const char* text;
    } cases[] = {{-1, 0, "-"},
                 {solver::cellIndex(1, 1), solver::kOffLeft, "from 1,1, past column 1"},
                 {solver::cellIndex(9, 9), solver::kOffTop, "from 9,9, over the top"},
                 {solver::cellIndex(5, 3), solver::kOffTop | solver::kOffLeft,
                  "from 5,3, over the top, past column 1"}};
    for (const auto& c : cases) {
        solver::StageReport rep;
        rep.leaves = c.leaves;
        rep.exits = c.exits;
        EXPECT_EQ(solver::exitsText(rep), c.text);
    }
}

TEST(SolverSearch, LeastMagicIsProvedAndABudgetTooSmallIsUnsolvable) {
    const std::vector<std::string> flat = {".........", ".........", ".........",
                                           ".........", ".........", ".........",
                                           ".........", ".P.......", "KKKKKKKKK"};
    // Two blocks cost 4: with 4 points the last cast empties the magic.
    const solver::Stage tight = stageOf(flat, "2", "3");
    const solver::StageReport rep = solvedInGame(tight);
    EXPECT_FALSE(rep.solvable);
    EXPECT_EQ(rep.leastMagic, 5);
    EXPECT_GT(rep.proofStates, 0u);
    EXPECT_FALSE(solver::search(tight, {4, false}).cleared);
    EXPECT_TRUE(solver::search(tight, {5, true}).cleared);

    // Sand pays for the blocks: one point to start is enough.
    std::vector<std::string> sandy = flat;
    sandy[7] = ".P...S...";
    const solver::Stage paid = stageOf(sandy, "3", "0");
    const solver::StageReport rich = solvedInGame(paid);
    EXPECT_TRUE(rich.solvable);
    EXPECT_EQ(rich.leastMagic, 1);
    EXPECT_TRUE(rich.replayed) << rich.problem;
    // Without the game to play it in, the same solution is not called replayed.
    const solver::StageReport unchecked = solver::solveStage(paid, 1);
    EXPECT_TRUE(unchecked.solvable);
    EXPECT_FALSE(unchecked.replayed);
}

// The stage starts with its target met and two pools: clearing a pool first
// runs the goal check with water left. Only a block placed first (and taken
// away last) keeps the count off the target.
TEST(SolverSearch, CountMeetingTheTargetTooEarlyIsTheOnlyTrap) {
    const std::vector<std::string> rows = {".........", ".........", ".........",
                                           ".........", ".........", "P........",
                                           "KKWK.KWKK", "KKKKBKKKK", "KKKKKKKKK"};
    const solver::Stage stage = stageOf(rows, "1", "20");
    const int water = solver::cellIndex(3, 7);
    const solver::CastEffect early =
        solver::castOn(stage, stage.start, solver::cellIndex(3, 6), water);
    EXPECT_EQ(solver::judge(stage, early.board, stage.magic - 2), solver::Outcome::Lost);

    const solver::SearchResult found = solver::search(stage, {stage.magic, true});
    ASSERT_TRUE(found.cleared);
    ASSERT_FALSE(found.casts.empty());
    EXPECT_EQ(stage.start.kind(found.casts.front().target), game::CellKind::Empty);
    EXPECT_EQ(found.casts.size(), 4u);  // a block, two pools, the block again

    const solver::StageReport rep = solvedInGame(stage);
    EXPECT_EQ(rep.leastMagic, 7);  // 2 + 2 + 2 spent before the block gives 1 back
    EXPECT_TRUE(rep.replayed) << rep.problem;

    // With the rule switched off the pools go first and the block is never
    // needed: the rule costs this stage magic, and the table says so.
    EXPECT_EQ(solver::judge(stage, early.board, stage.magic - 2, false), solver::Outcome::Going);
    const solver::EarlyCount costs = solver::earlyCountCosts(stage, rep.leastMagic, 100'000);
    EXPECT_TRUE(costs.costs && costs.known());
    EXPECT_GT(costs.states, 0u);
    std::vector<std::string> onePool = rows;
    onePool[6] = "KKKK.KWKK";
    onePool[7] = "KKKKKKKKK";
    const solver::Stage plain = stageOf(onePool, "1", "20");
    const int least = solvedInGame(plain).leastMagic;
    EXPECT_EQ(least, 5);
    const solver::EarlyCount free = solver::earlyCountCosts(plain, least, 100'000);
    EXPECT_TRUE(!free.costs && free.known());
    // Cut short before any clear, the search knows nothing either way, and
    // neither does a search out of its memory.
    EXPECT_FALSE(solver::earlyCountCosts(stage, rep.leastMagic, 2).known());
    EXPECT_FALSE(solver::earlyCountCosts(stage, rep.leastMagic, 100'000, nullptr, 1).known());
}

TEST(SolverPlan, ScriptReplaysToAClearAndTheAnswerIsItsBoard) {
    const solver::Stage stage = stageOf(kTerrain, "2", "12");
    const solver::SearchResult found = solver::search(stage, {stage.magic, true});
    ASSERT_TRUE(found.cleared);
    auto plan = solver::makePlan(stage, found.casts, 4);
    ASSERT_TRUE(std::holds_alternative<solver::Plan>(plan)) << std::get<std::string>(plan);
    const solver::Plan& p = std::get<solver::Plan>(plan);
    EXPECT_EQ(p.script().rfind("# Stage 4", 0), 0u);
    EXPECT_NE(p.script().find("click menu Command2\n"), std::string::npos);
    // Whoever replays the script sees where it leaves the game.
    EXPECT_TRUE(p.script().ends_with("\nshow\n")) << p.script();

    const game::StageDesc withAnswer = solver::withAnswer(stage, p);
    const headless::InGame game = headless::playSolution(withAnswer, p.steps, 4);
    EXPECT_TRUE(game.cleared) << game.output;
    EXPECT_EQ(game.board, headless::answerBoard(withAnswer));

    // Steps cut before the last cast leave the stage running.
    std::vector<game::ScriptStep> cut = p.steps;
    while (!cut.empty() &&
           !(cut.back().kind == game::ScriptStep::Kind::Tap && cut.back().button == 2))
        cut.pop_back();
    ASSERT_FALSE(cut.empty());
    cut.back() = game::ScriptStep::of(game::ScriptStep::Kind::Show);
    EXPECT_FALSE(headless::playSolution(withAnswer, cut, 4).cleared);
    EXPECT_TRUE(headless::checkInGame(withAnswer, cut, 4).has_value());

    // A cast from a cell out of walking reach is refused.
    std::vector<solver::Cast> wrong = found.casts;
    wrong.front().from = solver::cellIndex(9, 1);
    EXPECT_TRUE(std::holds_alternative<std::string>(solver::makePlan(stage, wrong, 4)));
}

// The pool beside the shaft is in reach only while falling past it: the
// script must cast while the character passes that row. The block may then
// go beside the shaft, into it above the character, or where the floor was.
TEST(SolverPlan, ACastDuringAFallIsTimedToTheRowPassedAndValidated) {
    const solver::Stage stage =
        stageOf({"KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK",
                 "KKPKKKKKK", "KWBKKKKKK", "KK.KKKKKK"},
                "1", "3");
    const solver::StageReport rep = solvedInGame(stage);
    EXPECT_EQ(rep.leastMagic, 4);
    EXPECT_TRUE(rep.replayed) << rep.problem;
    EXPECT_NE(rep.plan.script().find("tap 66 2\nwait 600\ntap 65 2\n"), std::string::npos)
        << rep.plan.script();

    const solver::Validation v = solver::validateStage(stage, 10);
    namespace m = solver::moves;
    EXPECT_EQ(v.required, m::kPlace | m::kRemove | m::kClearWater | m::kCastFloor);
    EXPECT_EQ(v.finalBoards, 3u);
    EXPECT_FALSE(v.capped);
}

// Stages that clear only over the top, played in the real game: a pool in
// row 1 cleared and a block set there from above the board; a block in row 2
// cast away from above it, the pool beside the shaft cleared while falling
// from over the top, and a block set at the bottom. The proof is complete,
// and the climb is still named as the stage's way over the top.
TEST(SolverPlan, ClearsOverTheTopPlayInTheGame) {
    struct Case {
        std::vector<std::string> rows;
        std::string target, budget;
        int casts;
    };
    const Case cases[] = {
        {{"PK.W.....", "KKKKKKKKK", ".........", ".........", ".........", ".........",
          ".........", ".........", "KKKKKKKKK"},
         "1", "4", 2},
        {{"PK.......", "KKBKKKKKK", "KK.KKKKKK", "KK.KKKKKK", "KK.WKKKKK", "KK.KKKKKK",
          "KK.KKKKKK", "KK..KKKKB", "KKKKKKKKK"},
         "2", "3", 3},
    };
    for (const Case& c : cases) {
        const solver::Stage stage = stageOf(c.rows, c.target, c.budget);
        SCOPED_TRACE(game::writeStageText(stage.desc));
        const solver::StageReport rep = solvedInGame(stage);
        EXPECT_TRUE(rep.solvable);
        EXPECT_TRUE(rep.replayed) << rep.problem;
        EXPECT_EQ(rep.leastMagic, stage.magic);
        EXPECT_EQ(rep.plan.casts, c.casts);
        EXPECT_TRUE(rep.complete());
        EXPECT_EQ(rep.exits & solver::kOffTop, solver::kOffTop);
        EXPECT_EQ(rep.leaves, stage.start.player());
    }
}

// A plan takes a cast from over the top as one from row 1 of its column, walks
// on from above the board as the game does, and refuses what the character
// could not do: a target that is not beside the
// cell it is taken for (across the board's edge, or that cell itself), a
// place off the board, a cell out of walking reach.
TEST(SolverPlan, ACastIsMadeBesideTheCellItsPlaceIsTakenFor) {
    const solver::Stage stage =
        stageOf({"PK.W.....", "KKKKKKKKK", ".........", ".........", ".........", ".........",
                 ".........", ".........", "KKKKKKKKK"},
                "1", "4");
    const int above3 = solver::overTopOf(3), pool = solver::cellIndex(4, 1);
    struct Case {
        std::vector<solver::Cast> casts;
        std::string refusal;  // empty: the plan clears, with `walks` walks
        int walks = 0;
    };
    const Case cases[] = {
        {{{above3, pool}, {above3, pool}}, "", 1},
        {{{above3, pool}, {solver::overTopOf(5), solver::cellIndex(6, 1)}}, "", 2},
        {{{above3, solver::cellIndex(3, 1)}}, "cast 1: its target is no neighbour"},
        {{{solver::overTopOf(9), solver::cellIndex(1, 2)}}, "cast 1: its target is no neighbour"},
        {{{solver::cellIndex(9, 3), solver::cellIndex(1, 4)}}, "cast 1: its target is no neighbour"},
        {{{solver::kPlaces, pool}}, "cast 1: no cell of the board"},
        {{{solver::cellIndex(5, 3), solver::cellIndex(5, 4)}}, "cast 1: its cell is out of walking reach"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        const auto plan = solver::makePlan(stage, c.casts, 1);
        if (c.refusal.empty()) {
            ASSERT_TRUE(std::holds_alternative<solver::Plan>(plan))
                << std::get<std::string>(plan);
            const solver::Plan& p = std::get<solver::Plan>(plan);
            EXPECT_EQ(p.walks, c.walks);
            EXPECT_EQ(headless::checkInGame(solver::withAnswer(stage, p), p.steps, 1),
                      std::nullopt);
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(plan));
            EXPECT_EQ(std::get<std::string>(plan).rfind(c.refusal, 0), 0u)
                << std::get<std::string>(plan);
        }
    }
}
