#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "stage.h"

namespace solver {

// One cast of a solution: the character walks to `from` (any number of left
// clicks, no magic), then casts on the neighbouring cell `target`.
struct Cast {
    int from = -1;
    int target = -1;
    bool operator==(const Cast&) const = default;
};

struct SearchOptions {
    int startMagic = 0;       // MagicCount when play starts
    bool stopAtClear = true;  // false: visit every reachable state
    std::size_t maxStates = 50'000'000;
};

struct SearchResult {
    bool cleared = false;
    bool exhausted = true;    // false when maxStates cut the search short
    std::size_t states = 0;   // distinct (board, cell) states reached
    std::vector<Cast> casts;  // a clearing solution, fewest casts first found
    int magicLeft = 0;
};

// Breadth-first over casts; a walk is no move of its own: from each state every
// cell in walking reach may cast on each of its four neighbours. A state is the
// exact board and cell; reaching it again with more magic searches it again,
// since magic is the only thing that differs and more never hurts.
SearchResult search(const Stage& stage, const SearchOptions& options);

// The effect of casting on `target`: the new board with the character's cell
// (after the fall when the floor went), the magic change, and whether the cast
// changed anything. Walls change nothing.
struct CastEffect {
    Board board;
    int magicDelta = 0;
    bool wall = false;
};
CastEffect castOn(const Stage& stage, const Board& board, int from, int target);

enum class Outcome { Going, Cleared, Lost };
// What the game's checks after a cast decide, given the board and magic after it.
Outcome judge(const Stage& stage, const Board& after, int magicAfter);

}  // namespace solver
