#include "solver/regions.h"

#include <bit>

#include "game/cast.h"
#include "solver/moves.h"
#include "solver/refute.h"
#include "solver/state_codec.h"

namespace solver {

namespace {

// Only the few blocks there are visited: a block's two bits read 10.
bool blocksTouch(const Board& b) {
    constexpr std::uint64_t kLow = 0x5555555555555555ULL;
    for (std::size_t word = 0; word < b.w.size(); ++word) {
        std::uint64_t blocks = (b.w[word] >> 1) & ~b.w[word] & kLow;
        while (blocks != 0) {
            const int cell = static_cast<int>(32 * word) + std::countr_zero(blocks) / 2;
            blocks &= blocks - 1;
            if (columnOf(cell) < 9 && b.kind(cell + 1) == CellKind::Block) return true;
            if (rowOf(cell) < 9 && b.kind(cell + 9) == CellKind::Block) return true;
        }
    }
    return false;
}

}  // namespace

Regions::Regions(const Stage& stage) : probe_(stage), changes_(exact::changingCells(stage)) {}

// A walk leaves past column 1 only when it stands in column 1, and goes over
// the top only when it climbs from row 1 (see walkOneWay).
Regions::Region Regions::find(int place) {
    probe_.start.setPlayer(place);
    const Reachable reach = everReachable(probe_);
    Region r;
    r.known = true;
    for (int c = 0; c < kCells; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const bool holds =
            !probe_.wall[i] && (changes_[i] || probe_.start.kind(c) != CellKind::Empty);
        if (!reach.touch[i] && holds) {
            r.outside[static_cast<std::size_t>(c >> 5)] |= std::uint64_t{3} << ((c & 31) * 2);
            r.any = true;
        }
        if (!reach.occupy[i]) continue;
        if (rowOf(c) == 1) r.mayLeave |= kOffTop;
        if (columnOf(c) == 1) r.mayLeave |= kOffLeft;
    }
    if (reach.overTop) r.mayLeave |= kOffTop | kOffLeft;
    return r;
}

Beyond beyond(const Board& board, const Regions::Region& region, int target) {
    Board outside;
    for (std::size_t i = 0; i < outside.w.size(); ++i)
        outside.w[i] = board.w[i] & region.outside[i];
    const Board::Counts out = outside.counts();
    return {out.water > 0 || out.block > target || (out.block > 1 && blocksTouch(outside)),
            out.sand};
}

bool lostBeyond(const Beyond& out, int target, int magic, const Board::Counts& left) {
    return out.forGood ||
           game::outOfMagic(magic + mostGainLeft(target, left.block, left.water, left.sand - out.sand));
}

}  // namespace solver
