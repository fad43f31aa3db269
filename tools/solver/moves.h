#pragma once

#include <array>
#include <cstdint>

#include "stage.h"

namespace solver {

// What stops the character, with a frame around the board: column 0 and row 0
// read free, as the game's grids hold them there; column 10 and row 10 solid.
class SolidMap {
public:
    SolidMap(const Stage& stage, const Board& board);
    bool at(int c, int r) const { return s_[static_cast<std::size_t>(11 * r + c)]; }

private:
    std::array<bool, 121> s_{};
};

// Where a character let go at `cell` comes to rest; `cells` counts the rows fallen.
int landing(const SolidMap& solid, int cell, int* cells = nullptr);

// The cells one left click can bring the character to, standing on `from`:
// dest[X] is the cell it stands on after clicking column X (-1 when that walk
// is blocked or would leave the board), ticks[X] the walk timer's ticks from
// the click until it stands still.
struct Clicks {
    std::array<int, 10> dest;
    std::array<int, 10> ticks;
};
Clicks clicksFrom(const SolidMap& solid, int from);

// Every cell the character can stand on by walking, climbing and falling from
// `start` without casting, in the order found; `via[cell]` is the cell walked
// from and `column[cell]` the column clicked there (-1 at the start and for
// cells out of reach).
struct Reach {
    std::array<std::int8_t, kCells> via;
    std::array<std::int8_t, kCells> column;
    std::array<std::int8_t, kCells> order;
    int size = 0;
    bool has(int cell) const { return cell == start || via[static_cast<std::size_t>(cell)] >= 0; }
    int start = -1;
};
Reach reachable(const SolidMap& solid, int start);

}  // namespace solver
