#pragma once

#include <concepts>

#include "game/cells.h"
#include "game/rules.h"

// One cast of magic and the checks after it, on no board in particular: the
// game window applies it to its grids and paints what changed, and the
// solver, its plans, bounds and generator count with the same two functions.
// A rule of the cast or of the goal changed here changes them all.

namespace game {

// What a cast does to the cell it lands on, and so to the stage's counters.
struct CastChange {
    CellKind after = CellKind::Empty;  // what the cell holds afterwards
    int magic = 0;                     // added to MagicCount
    int blocks = 0;                    // added to BlockCount
    int water = 0;                     // added to WaterCount
    int sand = 0;                      // added to the sand on the board
};

// Water and sand are cleared, a block is taken away, an empty cell gets a
// block. A wall stays and the cast is free, but its checks still run.
constexpr CastChange castChange(CellKind before) {
    switch (before) {
        case CellKind::Wall:
            return {CellKind::Wall, 0, 0, 0, 0};
        case CellKind::Water:
            return {CellKind::Empty, -rules::kClearWaterCost, 0, -1, 0};
        case CellKind::Sand:
            return {CellKind::Empty, rules::kSandGain, 0, 0, -1};
        case CellKind::Block:
            return {CellKind::Empty, rules::kRemoveBlockGain, -1, 0, 0};
        case CellKind::Empty:
            break;
    }
    return {CellKind::Block, -rules::kPlaceBlockCost, 1, 0, 0};
}

// What a cast on a cell holding `before` does to the magic.
constexpr int magicOf(CellKind before) { return castChange(before).magic; }

// A cast that leaves less magic than this ends the stage.
constexpr bool outOfMagic(int magic) { return magic < rules::kLeastMagicLeft; }

enum class Outcome { Going, Cleared, Lost };

// What the checks after a cast find. They stop at the first finding that
// decides: the board is looked at only when the block count meets the target
// and the magic lasts, and for blocks side by side only when no pool is left;
// what was not looked at reads false.
struct Judgement {
    bool outOfMagic = false;  // a game over; the game shows the magic as 0
    bool countMet = false;
    bool waterLeft = false;   // a pool left when the count is met: the early count
    bool touching = false;    // two blocks side by side, across or down

    // With `earlyCountLoses` off, meeting the count with a pool left plays on.
    constexpr Outcome outcome(bool earlyCountLoses = true) const {
        if (outOfMagic) return Outcome::Lost;
        if (!countMet) return Outcome::Going;
        if (waterLeft) return earlyCountLoses ? Outcome::Lost : Outcome::Going;
        return touching ? Outcome::Lost : Outcome::Cleared;
    }
};

// A board as the checks read it: the pools on it, and whether column c, row
// r holds a block, asked for 1..9 and one cell beyond on the right and below,
// where there is none.
template <class B>
concept JudgedBoard = requires(const B& b, int c, int r) {
    { b.water() } -> std::convertible_to<int>;
    { b.blockAt(c, r) } -> std::convertible_to<bool>;
};

// The pairs of blocks side by side, each met from its left or upper block,
// counted up to `most`.
template <JudgedBoard B>
constexpr int touchingPairs(const B& board, int most = 2 * 81) {
    int pairs = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            if (!board.blockAt(c, r)) continue;
            pairs += (board.blockAt(c + 1, r) ? 1 : 0) + (board.blockAt(c, r + 1) ? 1 : 0);
            if (pairs >= most) return pairs;
        }
    return pairs;
}

// The checks after every cast, wall or not: the magic left, then, when the
// block count meets the target, the pools and the blocks.
template <JudgedBoard B>
constexpr Judgement judgeCast(int magic, int blocks, int target, const B& board) {
    Judgement j;
    j.outOfMagic = outOfMagic(magic);
    j.countMet = blocks == target;
    if (!j.countMet || j.outOfMagic) return j;
    j.waterLeft = board.water() != 0;
    if (j.waterLeft) return j;
    j.touching = touchingPairs(board, 1) > 0;
    return j;
}

}  // namespace game
