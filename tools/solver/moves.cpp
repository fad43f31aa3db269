#include "moves.h"

namespace solver {

SolidMap::SolidMap(const Stage& stage, const Board& board) {
    for (int r = 0; r <= 10; ++r)
        for (int c = 0; c <= 10; ++c) {
            bool solid = false;
            if (c == 10 || r == 10) {
                solid = true;
            } else if (c >= 1 && r >= 1) {
                const int cell = cellIndex(c, r);
                solid = stage.wall[static_cast<std::size_t>(cell)] || board.kind(cell) != Empty;
            }
            s_[static_cast<std::size_t>(11 * r + c)] = solid;
        }
}

int landing(const SolidMap& solid, int cell, int* cells) {
    const int c = columnOf(cell);
    int r = rowOf(cell);
    int fallen = 0;
    while (!solid.at(c, r + 1)) ++r, ++fallen;
    if (cells != nullptr) *cells = fallen;
    return cellIndex(c, r);
}

namespace {

// A walk timer's ticks between two aligned ticks: four for a step, one more
// than four a row for a fall (the tick that sees the hole is spent waiting),
// fifteen for a climb, whose jump timer runs 1400 ms.
constexpr int kStepTicks = 4;
constexpr int kFallTicksPerRow = 4;
constexpr int kClimbTicks = 15;

// Walks from a standing cell in one direction as far as the game would go,
// noting where the character stands when it reaches each column.
void walkOneWay(const SolidMap& solid, int from, int dir, Clicks& out) {
    int c = columnOf(from), r = rowOf(from);
    int ticks = 0;
    for (;;) {
        int fallen = 0;
        const int at = landing(solid, cellIndex(c, r), &fallen);
        if (fallen > 0) ticks += kFallTicksPerRow * fallen + 1;
        r = rowOf(at);
        if (cellIndex(c, r) != from) {
            out.dest[static_cast<std::size_t>(c)] = cellIndex(c, r);
            out.ticks[static_cast<std::size_t>(c)] = ticks + 1;  // the tick that sees the arrival
        }
        const int next = c + dir;
        // Past column 1 the game walks off the board; past column 9 the edge blocks.
        if (next < 1 || next > 9) return;
        if (!solid.at(next, r)) {
            c = next;
            ticks += kStepTicks;
        } else if (!solid.at(c, r - 1) && !solid.at(next, r - 1)) {
            // From row 1 the climb would carry the character off the top.
            if (r == 1) return;
            c = next;
            --r;
            ticks += kClimbTicks;
        } else {
            return;  // blocked: every column beyond stays out of reach
        }
    }
}

}  // namespace

Clicks clicksFrom(const SolidMap& solid, int from) {
    Clicks out;
    out.dest.fill(-1);
    out.ticks.fill(0);
    walkOneWay(solid, from, -1, out);
    walkOneWay(solid, from, +1, out);
    return out;
}

Reach reachable(const SolidMap& solid, int start) {
    Reach reach;
    reach.via.fill(-1);
    reach.column.fill(-1);
    reach.start = start;
    reach.order[0] = static_cast<std::int8_t>(start);
    reach.size = 1;
    for (int i = 0; i < reach.size; ++i) {
        const int from = reach.order[static_cast<std::size_t>(i)];
        const Clicks clicks = clicksFrom(solid, from);
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
