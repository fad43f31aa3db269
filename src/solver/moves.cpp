#include "solver/moves.h"

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

// Where a walk stands when it reaches a column, as clicking that column
// would leave the character.
void arrive(Clicks& out, int from, int c, int place, int ticks, int height) {
    if (place == from) return;
    const auto x = static_cast<std::size_t>(c);
    out.dest[x] = place;
    out.ticks[x] = ticks + 1;  // the tick that sees the arrival
    out.height[x] = height;
}

// Whether the search may climb onto the obstacle at column `next`, row `r`.
bool mayClimbOnto(const SolidMap& solid, int next, int r, unsigned allowed) {
    return (allowed & moves::kClimb) && (!solid.own(next, r) || (allowed & moves::kClimbOwn));
}

int walkOverTop(const SolidMap& solid, int from, int c, int height, bool climbed, int ticks,
                int dir, unsigned allowed, Clicks& out);

// Walks from column c, row r of the board in one direction as far as the
// game would go, noting where the character stands when it reaches each
// column. Returns the ways it leaves the board or goes over the top, 0 when
// none.
int walkOnBoard(const SolidMap& solid, int from, int c, int r, int ticks, int dir,
                unsigned allowed, Clicks& out) {
    for (;;) {
        int fallen = 0;
        r = rowOf(landing(solid, cellIndex(c, r), &fallen));
        if (fallen > 0 && !(allowed & moves::kWalkIntoHole)) return 0;
        if (fallen > 0) ticks += kFallTicksPerRow * fallen + 1;
        arrive(out, from, c, cellIndex(c, r), ticks, 0);
        const int next = c + dir;
        // Column 0 reads free, so a walk whose target lies behind it walks on
        // off the board; past column 9 the edge blocks.
        if (next < 1) return c != columnOf(from) ? kOffLeft : 0;
        if (next > 9) return 0;
        if (game::steps::canWalk(solid, c, r, dir)) {
            c = next;
            ticks += kStepTicks;
        } else if (game::steps::canClimb(solid, c, r, dir)) {
            if (!mayClimbOnto(solid, next, r, allowed)) return 0;
            ticks += kClimbTicks;
            // From row 1 the climb carries the character over the top.
            if (r == 1)
                return (allowed & moves::kOverTop)
                           ? kOffTop | walkOverTop(solid, from, next, 1, true, ticks, dir,
                                                   allowed, out)
                           : 0;
            c = next;
            --r;
        } else {
            return 0;  // blocked: every column beyond stays out of reach
        }
    }
}

// The same over the top of column c, `height` rows above row 1, where the
// game reads the character as one in row 1: it falls through row 1 back onto
// the board where row 2 is free, and walks on where row 1 is free. It no
// longer looks before a climb: the climb that brought it up (`climbed`) is
// made again at every obstacle, a row higher each time, until the walk ends,
// while a walk begun over the top climbs nowhere.
[[gnu::noinline]] int walkOverTop(const SolidMap& solid, int from, int c, int height,
                                  bool climbed, int ticks, int dir, unsigned allowed,
                                  Clicks& out) {
    for (;;) {
        if (game::steps::canFall(solid, c, 1)) {
            if (!(allowed & moves::kWalkIntoHole)) return 0;
            const int land = landing(solid, cellIndex(c, 1));
            ticks += kFallTicksPerRow * (rowOf(land) - 1 + height) + 1;
            return walkOnBoard(solid, from, c, rowOf(land), ticks, dir, allowed, out);
        }
        arrive(out, from, c, overTopOf(c), ticks, height);
        const int next = c + dir;
        // A climb past column 9 would go on off the board, but only for a
        // walk whose target lies behind it.
        if (next < 1) return c != columnOf(from) ? kOffLeft : 0;
        if (next > 9) return 0;
        if (game::steps::canWalk(solid, c, 1, dir)) {
            c = next;
            ticks += kStepTicks;
            continue;
        }
        if (!climbed || !mayClimbOnto(solid, next, 1, allowed)) return 0;
        c = next;
        ++height;
        ticks += kClimbTicks;
    }
}

int walkOneWay(const SolidMap& solid, int from, int height, int dir, unsigned allowed,
               Clicks& out) {
    if (isOverTop(from))
        return walkOverTop(solid, from, columnOf(from), height, false, 0, dir, allowed, out);
    return walkOnBoard(solid, from, columnOf(from), rowOf(from), 0, dir, allowed, out);
}

}  // namespace

Clicks clicksFrom(const SolidMap& solid, int from, unsigned allowed, int height) {
    Clicks out;
    out.dest.fill(-1);
    out.ticks.fill(0);  // the heights are set wherever a place is
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
