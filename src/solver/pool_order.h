#pragma once

#include <optional>

#include "solver/refute.h"
#include "solver/stage.h"

namespace solver {

// Whether the magic can last until every pool is cleared, in a play where
// sand and pools stand in the way until cleared and the blocks give as much
// as they ever could: a refutation (PoolsCostTooMuch, with how many pools at
// most can be cleared) when no order of clearing them keeps the magic up,
// nothing when one may. Gives up, refuting nothing, past `maxSets` sets of
// cleared pools.
std::optional<Refutation> refutePoolOrder(const Stage& stage, int startMagic,
                                          std::size_t maxSets = 1 << 12);

}  // namespace solver
