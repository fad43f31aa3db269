#pragma once

// The part of the board the character can still get at from a place, and what
// a board holds beyond it: both searches leave out a state whose region
// shows that no play from it can clear.

#include <array>
#include <cstdint>

#include "solver/board_cast.h"
#include "solver/stage.h"

namespace solver {

// What the character can still get at from the place it is on, whatever the
// board turns into: everReachable moves the start there. Every cell it will
// stand on, walk, climb or fall through, or cast from, lies in that region,
// since each move takes it to a cell the region's walk takes too, and every
// cell it casts on is beside one of those (see refute.h). A cell outside the
// cells so touched keeps what it holds now on every board that follows. The
// region of any cell in it lies within it, so the region only ever shrinks.
class Regions {
public:
    using Bits = std::array<std::uint64_t, 3>;
    struct Region {
        // Both bits of every cell no cast can reach any more that may hold
        // something: it held something at the start, or a cast could change it.
        Bits outside{};
        bool any = false;  // whether there is such a cell
        int mayLeave = 0;  // the ways off the board a walk in it could take
        bool known = false;
    };
    explicit Regions(const Stage& stage);

    // Worked out the first time a place is asked about.
    const Region& of(int place) {
        Region& r = regions_[static_cast<std::size_t>(place)];
        if (!r.known) r = find(place);
        return r;
    }

private:
    Region find(int place);

    Stage probe_;  // the stage, its start moved to the place asked about
    std::array<bool, kCells> changes_;
    std::array<Region, kPlaces> regions_{};
};

// What a board holds beyond a region.
struct Beyond {
    bool forGood = false;  // a pool, more blocks than the target, or two side by side
    int sand = 0;          // sand no cast will ever clear
};
Beyond beyond(const Board& board, const Regions::Region& region, int target);

// Whether no play can clear from a board that holds `left`, with `magic` to
// spend, when `out` lies beyond the character's region: what lies beyond
// stays wrong for good, or the magic there is left to gain cannot keep any
// clear above 0.
bool lostBeyond(const Beyond& out, int target, int magic, const Board::Counts& left);

}  // namespace solver
