#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "solver/board_cast.h"
#include "solver/moves.h"
#include "solver/options.h"
#include "solver/stage.h"

namespace solver {

// One cast of a solution: the character walks to `from` (any number of left
// clicks, no magic), then casts on the neighbouring cell `target`. While it
// falls after casting its floor away, `from` is a cell it passes on the way
// down, in the same column.
struct Cast {
    int from = -1;
    int target = -1;
    bool operator==(const Cast&) const = default;
};

inline constexpr std::size_t kLostFrom = std::size_t{1} << 14;

struct SearchOptions {
    int startMagic = 0;       // MagicCount when play starts
    bool stopAtClear = true;  // false: visit every reachable state
    std::size_t maxStates = kMaxStates;
    unsigned allowed = moves::kAll;  // the moves it may make
    // With stopAtClear off: how many distinct clearing boards to collect.
    std::size_t finalBoardCap = 0;
    // false: meeting the target while a pool is left plays on instead of
    // losing, to learn whether that rule costs a stage any magic.
    bool earlyCountLoses = true;
    SearchControl* control = nullptr;  // none: the search runs to its end
    // What the states may take, in bytes; at it the search stops out of memory.
    std::size_t memoryBudget = kMemoryBudget;
    // false: every open cell is kept in every state, as the plain search
    // the reductions are checked against does.
    bool reduce = true;
    // The states a search reaches before it leaves out lost ones: a search
    // this small is over sooner than the regions it would need are worked out.
    std::size_t lostFrom = kLostFrom;
    // false: any clear will do, not the one of fewest casts, so a landing
    // waits its turn as any state does; a search that only asks whether the
    // stage clears then meets its first clear after fewer states.
    bool fewestCasts = true;
};

struct SearchResult {
    bool cleared = false;
    Ending ending;            // cut short at maxStates, or cancelled by the control
    std::size_t states = 0;   // distinct (board, cell, fall) states reached
    std::vector<Cast> casts;  // a clearing solution, fewest casts first found
    int magicLeft = 0;
    // The least starting magic the solution above needs: every cast must
    // leave at least 1.
    int needs = 0;
    // A state from which a walk can leave the board; leaves is -1 when none
    // was met, exits the ways off or over met anywhere (kOffLeft, kOffTop).
    int leaves = -1;
    int exits = 0;
    Board leavesBoard;
    // The distinct boards (the character's cell left out) a clear ends on, up
    // to finalBoardCap.
    std::vector<Board> finalBoards;
    std::size_t bytes = 0;  // what the states took at the end, slots of the table included
};

// Breadth-first over casts; a walk is no move of its own: from each state every
// cell in walking reach may cast on each of its four neighbours, and during a
// fall each cell passed may cast on its neighbours but the one below. A state
// is the exact board, cell and fall; reaching it again with more magic
// searches it again, since magic is the only thing that differs and more
// never hurts. A fall's landing takes no cast and is searched at the fall's
// level, so the first clear found takes the fewest casts the magic allows.
SearchResult search(const Stage& stage, const SearchOptions& options);

class Search;

// The same search run in slices, for a caller that lets another search take
// turns with it: advance(upTo) expands states until the table holds more
// than upTo (true: it stopped there and can go on) or the search is over
// (false); finish() then gives what it found, as search() would have.
class ExactSearch {
public:
    ExactSearch(const Stage& stage, const SearchOptions& options);
    ~ExactSearch();
    bool advance(std::size_t upTo);
    // What its states may take from now on, in bytes; at it the search ends
    // out of memory.
    void setMemoryBudget(std::size_t bytes);
    std::size_t states() const;
    std::size_t bytes() const;
    SearchResult finish();

private:
    SearchOptions options_;
    std::unique_ptr<Search> search_;
};

}  // namespace solver
