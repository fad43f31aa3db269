#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/replay_script.h"
#include "game/stage_desc.h"

namespace solver {

// The limits every search, proof and table starts from unless told otherwise.
inline constexpr std::size_t kMaxStates = 50'000'000;
// How far past the budget a proof looks for the least magic that clears.
inline constexpr int kMagicCap = 200;
// Final boards counted before the count stops.
inline constexpr std::size_t kBoardCap = 100;
// The analysis searches a stage once for each move left out; loose stages
// would take minutes, and one that needs more states than this is loose anyway.
inline constexpr std::size_t kAnalysisStates = 1'000'000;
// What a search's states may take, in megabytes; a search that would need
// more stops undecided rather than take the machine's memory.
inline constexpr std::size_t kMemoryBudgetMB = 512;
inline constexpr std::size_t kBytesPerMB = std::size_t{1} << 20;
// The same in bytes: every search's, report's, proof's and check's default.
inline constexpr std::size_t kMemoryBudget = kMemoryBudgetMB * kBytesPerMB;

// How a search, a report, a validation or a proof came to its end, said the
// same way by each. Cancelled: the caller stopped it, and nothing it found is
// an answer. Cut short: a search stopped at its state limit, so a "no" it
// gave may not be one. Out of memory: a search stopped at its memory budget,
// with the same doubt. Finished: none of these.
struct Ending {
    bool cancelled = false;
    bool cutShort = false;
    bool outOfMemory = false;
    bool finished() const { return !cancelled && !cutShort && !outOfMemory; }
    void add(const Ending& other) {
        cancelled = cancelled || other.cancelled;
        cutShort = cutShort || other.cutShort;
        outOfMemory = outOfMemory || other.outOfMemory;
    }
    bool operator==(const Ending&) const = default;
};

// Plays a solution's steps in the real game on the stage and its answer:
// nothing when the game clears the stage on the answer's board, else what the
// game printed. The solver links no game window; its callers hand it this
// (headless::checkInGame) when they want every solution checked.
using InGameCheck = std::function<std::optional<std::string>(
    const game::StageDesc& withAnswer, const std::vector<game::ScriptStep>& steps, int stageNo)>;

}  // namespace solver
