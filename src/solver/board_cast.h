#pragma once

// A cast on a packed board, as every search takes it: what the cell becomes,
// what it costs, the moves it counts as, and the game's judgement of the
// board after it. The costs and the judgement are the game's own (game/cast.h);
// this is where the solver's boards meet them.

#include <array>

#include "game/cast.h"
#include "solver/moves.h"
#include "solver/stage.h"

namespace solver {

using game::Outcome;

// What a cast does to the open cell it lands on, and the move it counts as.
struct CellChange : game::CastChange {
    unsigned move;
};

constexpr unsigned moveOf(CellKind before) {
    switch (before) {
        case CellKind::Water:
            return moves::kClearWater;
        case CellKind::Sand:
            return moves::kSand;
        case CellKind::Block:
            return moves::kRemove;
        default:
            return moves::kPlace;
    }
}

// Every change an open cell's kind can see, worked out once: the search asks
// for one at every cast.
inline constexpr std::array<CellChange, 4> kChanges = [] {
    std::array<CellChange, 4> all{};
    for (std::size_t k = 0; k < all.size(); ++k) {
        const auto kind = static_cast<CellKind>(k);
        all[k] = {game::castChange(kind), moveOf(kind)};
    }
    return all;
}();

inline CellChange changeOf(const Stage& stage, CellKind before, int target) {
    CellChange change = kChanges[static_cast<std::size_t>(before)];
    if (before == CellKind::Block && !stage.ownBlock(target)) change.move = moves::kTakeBack;
    return change;
}

// The moves a cast counts as for the way it points.
constexpr unsigned directionMoves(int from, int target) {
    return (target == from - 9 ? moves::kCastAbove : 0u) |
           (target == from + 9 ? moves::kCastFloor : 0u);
}

// A packed board as the checks after a cast read it.
struct JudgedBoard {
    const Board& board;
    int water() const { return board.count(CellKind::Water); }
    bool blockAt(int c, int r) const {
        return c <= 9 && r <= 9 && board.kind(cellIndex(c, r)) == CellKind::Block;
    }
};

// The effect of casting on `target` from the place `from`: the new board with
// the character's place (falling through `from`'s cell when the floor went), the magic change, whether the
// cast changed anything (walls change nothing) and which kind of move it was.
struct CastEffect {
    Board board;
    int magicDelta = 0;
    bool wall = false;
    unsigned move = 0;  // the moves:: bits the cast counts as
};
CastEffect castOn(const Stage& stage, const Board& board, int from, int target);

// The most magic the casts still to come can gain, whatever their order:
// each pool costs its clearing, each block too many gains its removal, each
// block still wanted costs its placing, and sand gives at most its own (of it,
// `sand` is all a cast can still reach). No cast raises this bound: sand and
// pools pay what they take from it, and a block moves the count from the
// target at least as dearly as it pays.
inline int mostGainLeft(int target, int blocks, int water, int sand) {
    using game::magicOf;
    const int settle = blocks <= target ? magicOf(CellKind::Empty) * (target - blocks)
                                        : magicOf(CellKind::Block) * (blocks - target);
    return magicOf(CellKind::Sand) * sand + magicOf(CellKind::Water) * water + settle;
}

// What the game's checks after a cast decide, given the board and magic after it.
inline Outcome judge(const Stage& stage, const Board& after, int magicAfter,
                     bool earlyCountLoses = true) {
    return game::judgeCast(magicAfter, after.count(CellKind::Block), stage.target,
                           JudgedBoard{after})
        .outcome(earlyCountLoses);
}

}  // namespace solver
