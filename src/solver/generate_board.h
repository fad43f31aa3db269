#pragma once

#include <cstdint>
#include <optional>
#include <random>

#include "game/stage_desc.h"

namespace solver {

// Draws from the seed in a way every standard library gives alike: the
// engine's output is fixed by the standard, the distributions are not.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : engine_(seed) {}
    // 0 .. n - 1, without the bias of a plain remainder.
    int below(int n);
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::mt19937_64 engine_;
};

// One random board in the manner of the game's stages: ground and a wall on
// the left first, ledges, then pools in hollows, sand, blocks, the start on
// solid ground and a target, drawn for a shortest solution of minCasts to
// maxCasts casts. `required`, when given, leans the board towards the moves
// asked for (no pool when water is not asked for: every pool must be
// cleared). The magic is left for the caller to fit.
game::StageDesc randomBoard(Draw& draw, std::optional<unsigned> required, int minCasts,
                            int maxCasts);

}  // namespace solver
