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

// Walks from a standing cell in one direction as far as the game would go,
// noting where the character stands when it reaches each column. Returns the
// way it can leave the board, 0 when none.
int walkOneWay(const SolidMap& solid, int from, int dir, unsigned allowed, Clicks& out) {
    int c = columnOf(from), r = rowOf(from);
    int ticks = 0;
    for (;;) {
        int fallen = 0;
        const int at = landing(solid, cellIndex(c, r), &fallen);
        if (fallen > 0 && !(allowed & moves::kWalkIntoHole)) return 0;
        if (fallen > 0) ticks += kFallTicksPerRow * fallen + 1;
        r = rowOf(at);
        if (cellIndex(c, r) != from) {
            out.dest[static_cast<std::size_t>(c)] = cellIndex(c, r);
            out.ticks[static_cast<std::size_t>(c)] = ticks + 1;  // the tick that sees the arrival
        }
        const int next = c + dir;
        // Column 0 reads free, so a walk whose target lies behind it walks on
        // off the board; past column 9 the edge blocks.
        if (next < 1) return c != columnOf(from) ? kOffLeft : 0;
        if (next > 9) return 0;
        if (game::steps::canWalk(solid, c, r, dir)) {
            c = next;
            ticks += kStepTicks;
        } else if (game::steps::canClimb(solid, c, r, dir)) {
            // From row 1 the climb carries the character off the top.
            if (r == 1) return kOffTop;
            if (!(allowed & moves::kClimb)) return 0;
            if (solid.own(next, r) && !(allowed & moves::kClimbOwn)) return 0;
            c = next;
            --r;
            ticks += kClimbTicks;
        } else {
            return 0;  // blocked: every column beyond stays out of reach
        }
    }
}

}  // namespace

Clicks clicksFrom(const SolidMap& solid, int from, unsigned allowed) {
    Clicks out;
    out.dest.fill(-1);
    out.ticks.fill(0);
    out.leaves = walkOneWay(solid, from, -1, allowed, out);
    out.leaves |= walkOneWay(solid, from, +1, allowed, out);
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
        if (reach.leaves < 0 && clicks.leaves) reach.leaves = from;
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
