#include "bench/drawn/drawn_stages.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "game/rules.h"
#include "headless/check.h"
#include "solver/generate_board.h"
#include "solver/moves.h"
#include "solver/plan.h"
#include "solver/search.h"
#include "solver/stage.h"

namespace drawn {

namespace {

using game::CellKind;
using game::StageDesc;
namespace rules = game::rules;

constexpr int kSide = game::kBoardSide;

// What an open cell holds, by weight.
struct Weighted {
    CellKind kind;
    int weight;
};
constexpr std::array<Weighted, 4> kOpenKinds{
    {{CellKind::Empty, 6}, {CellKind::Sand, 1}, {CellKind::Block, 2}, {CellKind::Water, 1}}};

constexpr int kLeastTarget = 0, kMostTarget = 3;
constexpr int kLeastBudget = 2, kMostBudget = 14;

// A solvable stage's play: at least this many casts before its board may be
// the goal, at most this many before the board is given up for another.
constexpr int kLeastCasts = 3;
constexpr int kMostCasts = 40;
// How often a cast is picked from those that clear a pool or take a touching
// block away, when there are any, rather than from every cast.
constexpr int kTidyPercent = 60;
// Boards drawn for one solvable stage before the maker gives up: a share of
// open cells so low that no board ever plays to a goal ends there.
constexpr int kMostBoards = 10'000;

// splitmix64's step: each stage's own seed from the run's, so a stage does
// not depend on how many were drawn before it.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::uint64_t stageSeed(std::uint64_t seed, int openPercent, StageKind kind, int index) {
    std::uint64_t h = mix(seed);
    h = mix(h ^ static_cast<std::uint64_t>(openPercent));
    h = mix(h ^ static_cast<std::uint64_t>(kind));
    return mix(h ^ static_cast<std::uint64_t>(index));
}

CellKind openKind(solver::Draw& draw) {
    int total = 0;
    for (const Weighted& w : kOpenKinds) total += w.weight;
    int pick = draw.below(total);
    for (const Weighted& w : kOpenKinds) {
        if (pick < w.weight) return w.kind;
        pick -= w.weight;
    }
    return CellKind::Empty;
}

bool canStart(const StageDesc& d, int c, int r) {
    return d.at(c, r) == CellKind::Empty && d.at(c, r + 1) != CellKind::Empty;
}

// The cells and the start, without target or budget; none when no empty cell
// has anything below it.
std::optional<StageDesc> drawBoard(solver::Draw& draw, int openPercent) {
    StageDesc d;
    for (int r = 1; r <= kSide; ++r)
        for (int c = 1; c <= kSide; ++c)
            d.set(c, r, r < kSide && draw.chance(openPercent) ? openKind(draw) : CellKind::Wall);
    std::vector<std::pair<int, int>> starts;
    for (int r = 1; r < kSide; ++r)
        for (int c = 1; c <= kSide; ++c)
            if (canStart(d, c, r)) starts.emplace_back(c, r);
    if (starts.empty()) return std::nullopt;
    const auto [c, r] =
        starts[static_cast<std::size_t>(draw.below(static_cast<int>(starts.size())))];
    d.startCol = c;
    d.startRow = r;
    return d;
}

StageDesc drawStart(solver::Draw& draw, int openPercent) {
    for (;;)
        if (auto d = drawBoard(draw, openPercent)) return *d;
}

StageDesc randomStage(solver::Draw& draw, int openPercent) {
    StageDesc d = drawStart(draw, openPercent);
    d.target = static_cast<std::int16_t>(draw.between(kLeastTarget, kMostTarget));
    d.magic = game::magicForBudget(draw.between(kLeastBudget, kMostBudget));
    return d;
}

bool touchesBlock(const solver::Board& b, int cell) {
    const int c = solver::columnOf(cell), r = solver::rowOf(cell);
    return (c < kSide && b.kind(cell + 1) == CellKind::Block) ||
           (c > 1 && b.kind(cell - 1) == CellKind::Block) ||
           (r < kSide && b.kind(cell + kSide) == CellKind::Block) ||
           (r > 1 && b.kind(cell - kSide) == CellKind::Block);
}

// A board the game clears on when its block count is the target.
bool tidy(const solver::Board& b) {
    if (b.count(CellKind::Water) != 0) return false;
    for (int cell = 0; cell < solver::kCells; ++cell)
        if (b.kind(cell) == CellKind::Block && touchesBlock(b, cell)) return false;
    return true;
}

// A cast that brings the board nearer to tidy.
bool tidies(const solver::Board& b, int target) {
    const CellKind k = b.kind(target);
    return k == CellKind::Water || (k == CellKind::Block && touchesBlock(b, target));
}

struct Play {
    solver::Board board;
    std::vector<solver::Cast> casts;
    std::vector<int> deltas;  // the magic each cast gave or took
    std::vector<int> blocks;  // the block count after each cast
    // The cells the last cast's fall passed, top first, when it took the floor away.
    int fellFrom = -1, landed = -1;
    // A cast from a cell the character fell past would be read as one made
    // during the fall; this play lands before it casts again.
    bool passed(int cell) const {
        return fellFrom >= 0 && solver::columnOf(cell) == solver::columnOf(fellFrom) &&
               cell >= fellFrom && cell < landed;
    }
};

// Every cast the character can walk to and make, walls left out.
std::vector<solver::Cast> castsFrom(const solver::Stage& stage, const Play& play) {
    const solver::Board& b = play.board;
    // On the board only: the stages stay the ones drawn before the walks
    // went over the top.
    const solver::Reach reach = solver::reachable(solver::SolidMap(stage, b), b.player(),
                                                  solver::moves::kAll & ~solver::moves::kOverTop);
    std::vector<solver::Cast> casts;
    for (int i = 0; i < reach.size; ++i) {
        const int from = reach.order[static_cast<std::size_t>(i)];
        if (play.passed(from)) continue;
        const int c = solver::columnOf(from), r = solver::rowOf(from);
        const std::array<std::pair<bool, int>, 4> sides{{{r > 1, from - kSide},
                                                         {c < kSide, from + 1},
                                                         {c > 1, from - 1},
                                                         {r < kSide, from + kSide}}};
        for (const auto& [onBoard, target] : sides)
            if (onBoard && !stage.wall[static_cast<std::size_t>(target)])
                casts.push_back({from, target});
    }
    return casts;
}

solver::Cast pickCast(solver::Draw& draw, const solver::Board& b,
                      const std::vector<solver::Cast>& casts) {
    std::vector<solver::Cast> tidying;
    for (const solver::Cast& c : casts)
        if (tidies(b, c.target)) tidying.push_back(c);
    const auto& from = !tidying.empty() && draw.chance(kTidyPercent) ? tidying : casts;
    return from[static_cast<std::size_t>(draw.below(static_cast<int>(from.size())))];
}

// One cast and, when it took the floor away, the fall to the ground.
void playCast(const solver::Stage& stage, Play& play, const solver::Cast& cast) {
    const solver::CastEffect e = solver::castOn(stage, play.board, cast.from, cast.target);
    play.board = e.board;
    play.casts.push_back(cast);
    play.deltas.push_back(e.magicDelta);
    play.blocks.push_back(play.board.count(CellKind::Block));
    play.fellFrom = play.landed = -1;
    if (!play.board.falling()) return;
    play.fellFrom = play.board.player();
    play.landed = solver::landing(solver::SolidMap(stage, play.board), play.fellFrom);
    play.board.setPlayer(play.landed);
    play.board.setFalling(false);
}

// The game ends a stage as soon as the block count meets the target: the
// board played to may be the goal only if no cast before its last met its count.
bool endsHere(const Play& play) {
    if (static_cast<int>(play.deltas.size()) < kLeastCasts || !tidy(play.board)) return false;
    const int target = play.blocks.back();
    return std::find(play.blocks.begin(), play.blocks.end() - 1, target) == play.blocks.end() - 1;
}

// The least MagicCount at the start that keeps every cast in turn at the
// least magic left or above.
int neededMagic(const std::vector<int>& deltas) {
    int sum = 0, lowest = 0;
    for (int d : deltas) lowest = std::min(lowest, sum += d);
    return std::max(rules::kLeastMagicLeft, rules::kLeastMagicLeft - lowest);
}

std::optional<Play> playToGoal(solver::Draw& draw, const solver::Stage& stage) {
    Play play{stage.start, {}, {}, {}};
    for (int n = 0; n < kMostCasts; ++n) {
        const std::vector<solver::Cast> casts = castsFrom(stage, play);
        if (casts.empty()) return std::nullopt;
        playCast(stage, play, pickCast(draw, play.board, casts));
        if (endsHere(play)) return play;
    }
    return std::nullopt;
}

std::optional<MadeStage> solvableOn(solver::Draw& draw, const StageDesc& board) {
    auto parsed = solver::stageFromDesc(board, "drawn");
    if (!std::holds_alternative<solver::Stage>(parsed)) return std::nullopt;
    auto play = playToGoal(draw, std::get<solver::Stage>(parsed));
    if (!play) return std::nullopt;
    MadeStage made{board, std::move(play->casts)};
    made.desc.target = static_cast<std::int16_t>(play->blocks.back());
    made.desc.magic = static_cast<std::int16_t>(neededMagic(play->deltas));
    return made;
}

// The index with as many digits as the highest one, so that names sort by it.
std::string paddedIndex(int n) {
    const std::size_t width = std::to_string(kMostIndex).size();
    const std::string s = std::to_string(n);
    return std::string(s.size() < width ? width - s.size() : 0, '0') + s;
}

}  // namespace

std::optional<game::StageDesc> drawnStage(std::uint64_t seed, int openPercent, StageKind kind,
                                          int index) {
    if (kind == StageKind::Solvable) {
        auto made = madeSolvable(seed, openPercent, index);
        if (!made) return std::nullopt;
        return made->desc;
    }
    solver::Draw draw(stageSeed(seed, openPercent, kind, index));
    return randomStage(draw, openPercent);
}

std::optional<MadeStage> madeSolvable(std::uint64_t seed, int openPercent, int index) {
    solver::Draw draw(stageSeed(seed, openPercent, StageKind::Solvable, index));
    for (int tries = 0; tries < kMostBoards; ++tries)
        if (auto made = solvableOn(draw, drawStart(draw, openPercent))) return made;
    return std::nullopt;
}

std::optional<std::string> checkInGame(const MadeStage& made) {
    auto parsed = solver::stageFromDesc(made.desc, "drawn");
    if (auto* e = std::get_if<std::string>(&parsed)) return *e;
    const auto& stage = std::get<solver::Stage>(parsed);
    constexpr int kStageNo = 1;
    auto plan = solver::makePlan(stage, made.casts, kStageNo);
    if (auto* e = std::get_if<std::string>(&plan)) return *e;
    const auto& p = std::get<solver::Plan>(plan);
    return headless::checkInGame(solver::withAnswer(stage, p), p.steps, kStageNo);
}

std::string drawnStageName(int openPercent, StageKind kind, int index) {
    return "open" + std::to_string(openPercent) +
           (kind == StageKind::Random ? "-random-" : "-solvable-") + paddedIndex(index) + ".bkm";
}

}  // namespace drawn
