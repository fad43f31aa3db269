#include "solver/moves.h"

#include <algorithm>
#include <bit>

#include "game/rules.h"
#include "game/steps.h"

namespace solver {

SolidMap::SolidMap(const Stage& stage, const Board& board) : s_(stage.frame) {
    // Most cells are empty: visit only the two-bit fields that hold something.
    for (int word = 0; word < 3; ++word) {
        std::uint64_t bits = board.w[static_cast<std::size_t>(word)];
        if (word == 2) bits &= (std::uint64_t{1} << 34) - 1;
        std::uint64_t filled = (bits | (bits >> 1)) & 0x5555555555555555ULL;
        while (filled != 0) {
            const int cell = 32 * word + std::countr_zero(filled) / 2;
            filled &= filled - 1;
            const bool own = board.kind(cell) == CellKind::Block && !stage.ownBlock(cell);
            s_[static_cast<std::size_t>(11 * rowOf(cell) + columnOf(cell))] =
                static_cast<std::uint8_t>(own ? 3 : 1);
        }
    }
}

int landing(const SolidMap& solid, int cell, int* cells) {
    const int c = columnOf(cell);
    int r = rowOf(cell);
    int fallen = 0;
    while (game::steps::canFall(solid, c, r)) ++r, ++fallen;
    if (cells != nullptr) *cells = fallen;
    return cellIndex(c, r);
}

namespace {

// A walk timer's ticks between two aligned ticks: a cell's worth of steps, one
// more than a row's worth of fall ticks for a fall (the tick that sees the
// hole is spent waiting), and for a climb the jump timer's run and the tick
// that sees it end.
namespace rules = game::rules;
constexpr int kStepTicks = rules::kWalkTicksPerCell;
constexpr int kFallTicksPerRow = rules::kFallMsPerCell / rules::kWalkTickMs;
constexpr int kClimbTicks = rules::kClimbMs / rules::kWalkTickMs + 1;

// Where the walk has the character: its column and row, or over the top
// (row 0) that many rows above row 1, and whether a climb came on the way.
struct Walker {
    int c, r, height;
    bool climbed = false;
    int place() const { return r == 0 ? overTopOf(c) : cellIndex(c, r); }
};

// A fall where the walk stands, if the cell below is free: over the top the
// game looks below row 1 and falls through it. Answers the rows fallen.
int fallWhereItStands(const SolidMap& solid, Walker& w) {
    if (w.r > 0) {
        int fallen = 0;
        w.r = rowOf(landing(solid, cellIndex(w.c, w.r), &fallen));
        return fallen;
    }
    if (!game::steps::canFall(solid, w.c, 1)) return 0;
    int fallen = 0;
    w.r = rowOf(landing(solid, cellIndex(w.c, 1), &fallen));
    fallen += w.height;
    w.height = 0;
    return fallen;
}

// A step on to the next column: a walk, else a climb. On the board the climb
// asks for room above; over the top the game no longer looks, and the climb
// that brought the character up is made again at every obstacle, a row
// higher each time, until the walk ends; a walk begun over the top climbs
// nowhere. Answers the ticks it takes, 0 when it is blocked.
int stepOn(const SolidMap& solid, Walker& w, int dir, unsigned allowed) {
    const int next = w.c + dir;
    const int row = std::max(w.r, 1);  // over the top the game reads row 1
    if (game::steps::canWalk(solid, w.c, row, dir)) {
        w.c = next;
        return kStepTicks;
    }
    const bool climbs = w.r == 0 ? w.climbed : game::steps::canClimb(solid, w.c, w.r, dir);
    if (!climbs || !(allowed & moves::kClimb)) return 0;
    if (solid.own(next, row) && !(allowed & moves::kClimbOwn)) return 0;
    if (w.r == 1 && !(allowed & moves::kOverTop)) return 0;
    w.c = next;
    if (w.r <= 1) ++w.height;
    w.r = std::max(w.r - 1, 0);
    w.climbed = true;
    return kClimbTicks;
}

// Walks from a standing place in one direction as far as the game would go,
// noting where the character stands when it reaches each column. Returns the
// ways it leaves the board or goes over the top, 0 when none.
int walkOneWay(const SolidMap& solid, int from, int height, int dir, unsigned allowed,
               Clicks& out) {
    Walker w{columnOf(from), isOverTop(from) ? 0 : rowOf(from), isOverTop(from) ? height : 0};
    int ticks = 0, ways = 0;
    for (;;) {
        const int fallen = fallWhereItStands(solid, w);
        if (fallen > 0 && !(allowed & moves::kWalkIntoHole)) return ways;
        if (fallen > 0) ticks += kFallTicksPerRow * fallen + 1;
        if (w.place() != from) {
            const auto x = static_cast<std::size_t>(w.c);
            out.dest[x] = w.place();
            out.ticks[x] = ticks + 1;  // the tick that sees the arrival
            out.height[x] = w.height;
        }
        const int next = w.c + dir;
        // Column 0 reads free, so a walk whose target lies behind it walks on
        // off the board; past column 9 the edge blocks (over the top a climb
        // would go on off it, but only for a walk whose target lies behind).
        if (next < 1) return ways | (w.c != columnOf(from) ? kOffLeft : 0);
        if (next > 9) return ways;
        const bool onRowOne = w.r == 1;
        const int took = stepOn(solid, w, dir, allowed);
        if (took == 0) return ways;  // blocked: every column beyond stays out of reach
        if (onRowOne && w.r == 0) ways |= kOffTop;
        ticks += took;
    }
}

}  // namespace

Clicks clicksFrom(const SolidMap& solid, int from, unsigned allowed, int height) {
    Clicks out;
    out.dest.fill(-1);
    out.ticks.fill(0);
    out.height.fill(0);
    out.leaves = walkOneWay(solid, from, height, -1, allowed, out);
    out.leaves |= walkOneWay(solid, from, height, +1, allowed, out);
    return out;
}

Reach reachable(const SolidMap& solid, int start, unsigned allowed) {
    Reach reach;
    reach.via.fill(-1);
    reach.column.fill(-1);
    reach.start = start;
    reach.order[0] = static_cast<std::int8_t>(start);
    reach.size = 1;
    for (int i = 0; i < reach.size; ++i) {
        const int from = reach.order[static_cast<std::size_t>(i)];
        const Clicks clicks = clicksFrom(solid, from, allowed);
        if (reach.leaves < 0 && clicks.leaves) reach.leaves = cellOf(from);
        reach.exits |= clicks.leaves;
        for (int x = 1; x <= 9; ++x) {
            const int to = clicks.dest[static_cast<std::size_t>(x)];
            if (to < 0 || reach.has(to)) continue;
            reach.via[static_cast<std::size_t>(to)] = static_cast<std::int8_t>(from);
            reach.column[static_cast<std::size_t>(to)] = static_cast<std::int8_t>(x);
            reach.order[static_cast<std::size_t>(reach.size++)] = static_cast<std::int8_t>(to);
        }
    }
    return reach;
}

}  // namespace solver
