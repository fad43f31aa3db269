#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
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
// States a goal-directed search looks at before it gives up: a fraction of
// a second, and well under the exact search's memory.
inline constexpr std::size_t kBestFirstStates = 250'000;

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

// What another thread shares with running searches: a request to stop, read
// every few thousand states, and the states searched so far, added to as often.
struct SearchControl {
    std::atomic<bool> cancel{false};
    std::atomic<std::uint64_t> states{0};
};

struct StageReport;

// How a stage is proved, made once where the proof starts and handed down
// whole: the verdict's searches, the goal-directed search, the analysis and
// the check in the game all take their limits from it.
struct Options {
    int stageNo = 1;  // for the script's heading and the save file of the replay
    int magicCap = kMagicCap;
    std::size_t maxStates = kMaxStates;
    std::size_t analysisStates = kAnalysisStates;
    std::size_t boardCap = kBoardCap;
    // What each search's states may take, in bytes.
    std::size_t memoryBudget = kMemoryBudget;
    bool analyse = true;  // off: the verdict alone
    // Stop once the verdict is settled: no least magic below the budget's,
    // no shortest solution beyond the first checked one.
    bool verdictOnly = false;
    // States the goal-directed search may look at before the exact search
    // goes on; 0 leaves it out, for callers that need the exact figures.
    std::size_t goalStates = kBestFirstStates;
    InGameCheck check{};               // none: the solution is not played in the game
    SearchControl* control = nullptr;  // none: the searches run to their end
    // Called as soon as the verdict is known, before the exact search looks
    // for the least magic and the shortest solution; the figures it holds
    // then are those found so far.
    std::function<void(const StageReport&)> onFirstVerdict{};
};

}  // namespace solver
