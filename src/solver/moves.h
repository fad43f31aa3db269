#pragma once

#include <array>
#include <cstdint>

#include "solver/stage.h"
#include "game/translatable.h"

namespace solver {

// The kinds of move a search may make. Stage validation switches them off one
// at a time to learn which ones a stage's budget cannot do without.
namespace moves {
inline constexpr unsigned kPlace = 1u << 0;     // a block on an empty cell
inline constexpr unsigned kRemove = 1u << 1;    // a block the stage began with
inline constexpr unsigned kTakeBack = 1u << 2;  // a block the player set
inline constexpr unsigned kClearWater = 1u << 3;
inline constexpr unsigned kSand = 1u << 4;
inline constexpr unsigned kClimb = 1u << 5;         // any climb onto a one-cell step
inline constexpr unsigned kClimbOwn = 1u << 6;      // a climb onto a block the player set
inline constexpr unsigned kWalkIntoHole = 1u << 7;  // a walk that drops down a row or more
inline constexpr unsigned kCastFloor = 1u << 8;     // a cast on the cell below
inline constexpr unsigned kCastAbove = 1u << 9;     // a cast on the cell above
inline constexpr int kCount = 10;
// A climb from row 1 over the top. Never one a stage is asked to require, so
// it has no name; left out, the walks keep to the board.
inline constexpr unsigned kOverTop = 1u << kCount;
inline constexpr unsigned kAll = ((1u << kCount) - 1) | kOverTop;
// Short names, in bit order, as the table prints them; marked for the
// workshop, which shows them translated.
inline constexpr const char* kNames[kCount] = {
    QT_TRANSLATE_NOOP("Move", "place"), QT_TRANSLATE_NOOP("Move", "remove"),
    QT_TRANSLATE_NOOP("Move", "take back"), QT_TRANSLATE_NOOP("Move", "water"),
    QT_TRANSLATE_NOOP("Move", "sand"), QT_TRANSLATE_NOOP("Move", "climb"),
    QT_TRANSLATE_NOOP("Move", "climb own"), QT_TRANSLATE_NOOP("Move", "hole"),
    QT_TRANSLATE_NOOP("Move", "floor"), QT_TRANSLATE_NOOP("Move", "above")};
inline constexpr const char* kNameWords = "Move";  // the context they are marked in
}  // namespace moves

// What stops the character, with a frame around the board: column 0 and row 0
// read free, as the game's grids hold them there; column 10 and row 10 solid.
class SolidMap {
public:
    SolidMap(const Stage& stage, const Board& board);
    bool at(int c, int r) const { return s_[static_cast<std::size_t>(11 * r + c)] & 1; }
    bool operator()(int c, int r) const { return at(c, r); }  // as game::steps asks
    // A block the player set, on a cell that began without one.
    bool own(int c, int r) const { return s_[static_cast<std::size_t>(11 * r + c)] & 2; }

private:
    std::array<std::uint8_t, 121> s_{};
};

// Where a character let go at `cell` comes to rest; `cells` counts the rows fallen.
int landing(const SolidMap& solid, int cell, int* cells = nullptr);

// The places one left click can bring the character to, standing on `from`
// (over the top `height` rows above row 1): dest[X] is the place it stands on
// after clicking column X (-1 when that walk is blocked or would leave the
// board), ticks[X] the walk timer's ticks from the click until it stands
// still, height[X] how many rows above row 1 it stands when dest[X] is over
// the top; `leaves` the ways a walk from here can leave the board (see Reach).
struct Clicks {
    std::array<int, 10> dest;
    std::array<int, 10> ticks;
    std::array<int, 10> height;
    int leaves = 0;
};

// Ways off the board, and over it.
inline constexpr int kOffLeft = 1;  // past column 1: the walk only ever comes back the same way
inline constexpr int kOffTop = 2;   // above row 1, where the character goes on over the top
// `allowed` holds the walking moves the search may use (climbs, walks into holes).
Clicks clicksFrom(const SolidMap& solid, int from, unsigned allowed = moves::kAll,
                  int height = 1);

// Every place the character can stand on by walking, climbing and falling
// from `start` without casting, in the order found; `via[place]` is the place
// walked from and `column[place]` the column clicked there (-1 at the start
// and for places out of reach). A climb from row 1 goes on over the top (see
// kPlaces), which is a move like any other but a stage's defect all the same;
// a walk to the left retargeted on the way (a click during the walk or the
// climb moves its target but not its direction) goes on past column 1, which
// is no way to play. `leaves` notes the cell such a walk starts from, -1 when
// there is none, and `exits` the ways off (kOffLeft, kOffTop).
struct Reach {
    std::array<std::int8_t, kPlaces> via;
    std::array<std::int8_t, kPlaces> column;
    std::array<std::int8_t, kPlaces> order;
    int size = 0;
    bool has(int place) const {
        return place == start || via[static_cast<std::size_t>(place)] >= 0;
    }
    int start = -1;
    int leaves = -1;
    int exits = 0;
};
Reach reachable(const SolidMap& solid, int start, unsigned allowed = moves::kAll);

}  // namespace solver
