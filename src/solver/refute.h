#pragma once

#include <array>
#include <optional>
#include <string>

#include "game/phrase.h"
#include "solver/stage.h"

namespace solver {

// The cells the character could ever be in or cast on, on any board the stage
// can turn into: every cell that is not a wall may be taken as empty or solid,
// whichever lets the character further. A cell outside `touch` keeps what the
// stage began with for good.
struct Reachable {
    std::array<bool, kCells> occupy{};
    std::array<bool, kCells> touch{};
    bool overTop = false;  // the places over the top, all of them (see kPlaces)
};
Reachable everReachable(const Stage& stage);
// As everReachable, but no cell `closed` holds is ever free.
Reachable reachAround(const Stage& stage, const std::array<bool, kCells>& closed);
// As everReachable, but sand and pools stand in the way until a cell beside
// them is reached: every cell any play can be in or cast on. The pool at
// `kept` (when one is named) stays in the way: every cell any play can be in
// or cast on before that pool is cleared.
Reachable mostReach(const Stage& stage, int kept = -1);

// Why no play can clear a stage, found without searching it.
enum class RefutationKind {
    PoolOutOfReach,  // a pool no cast can ever reach
    TooManyFixed,    // more blocks out of reach than the target allows
    FixedTouching,   // two blocks out of reach stand side by side
    TooFewPlaces,    // the target's blocks cannot all stand apart
    MagicShort,      // the least any clear costs is more than there could ever be
    PoolsCostTooMuch,  // no order of clearing the pools keeps the magic up
    PoolsCutOff,       // clearing either of two pools leaves the other out of reach
    PoolLeavesNoBlock, // once a pool is cleared, no block is left in reach to take away
};

struct Refutation {
    RefutationKind kind = RefutationKind::MagicShort;
    int cell = -1;   // the pool, or the first of the two touching blocks or pools
    int other = -1;  // the second touching block or pool
    int count = 0;   // blocks out of reach, places apart, or magic left at best
    int target = 0;
    int total = 0;   // the pools there are
    // Whether a larger starting magic could change the answer: only a
    // shortfall of magic depends on it.
    bool magicAlone() const {
        return kind == RefutationKind::MagicShort || kind == RefutationKind::PoolsCostTooMuch;
    }
    bool operator==(const Refutation&) const = default;
};

// A sound reason that no play from the stage's start clears it with
// `startMagic` (the stage's own when negative), or nothing when none of the
// checks holds. Each check looks only at what every play must do, so it never
// turns down a stage the exact search could clear.
std::optional<Refutation> refute(const Stage& stage, int startMagic = -1);

// The least starting magic that the magic check lets through: below it the
// stage can never clear, however the character plays.
int leastMagicAllowed(const Stage& stage);

// The sentence a maker reads: "the pool at column 6, row 8 can never be reached",
// to be translated (marked in the context kRefutationWords), and in English.
inline constexpr const char* kRefutationWords = "Refutation";
game::Phrase refutationPhrase(const Refutation& r);
std::string refutationText(const Refutation& r);

}  // namespace solver
