#pragma once

// The character's moves from a cell it stands square on, as the game's probes
// take them when the sprite is aligned and as the solver's walks take them at
// every cell. `solid(c, r)` answers whether the cell at column c, row r stops
// the character; a column or row off the board answers as the game's grids do.
// Between two cells only the game moves, and its probes say what happens there.

namespace game::steps {

// A step sideways, dx = -1 to the left or +1 to the right: the cell beside is free.
template <class Solid>
constexpr bool canWalk(const Solid& solid, int c, int r, int dx) {
    return !solid(c + dx, r);
}

// A climb onto a one-cell step, tried when the step sideways is blocked: the
// cell above the character and the one above the obstacle must both be free.
template <class Solid>
constexpr bool canClimb(const Solid& solid, int c, int r, int dx) {
    return !solid(c, r - 1) && !solid(c + dx, r - 1);
}

// A fall: the cell below is free.
template <class Solid>
constexpr bool canFall(const Solid& solid, int c, int r) {
    return !solid(c, r + 1);
}

}  // namespace game::steps
