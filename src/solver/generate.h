#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "game/phrase.h"
#include "game/stage_desc.h"
#include "solver/proof.h"

namespace solver {

// The longest shortest solution a generated stage is asked for: the tool's
// --casts and the workshop's Generate dialog go up to it.
inline constexpr int kMostCasts = 20;

struct GenerateOptions {
    std::uint64_t seed = 0;
    // The moves:: bits the stage's budget must require, no more and no fewer;
    // none given: any set will do.
    std::optional<unsigned> required;
    int minCasts = 4;  // casts of the shortest solution with the least magic
    int maxCasts = 8;
    int spare = 0;  // magic on top of the least that clears
    int maxAttempts = 1'000'000;
    // Stops the search, checked between boards; it never changes which stage
    // a seed finds first, only whether the search gets that far.
    std::chrono::milliseconds timeLimit{30'000};
    // A board that needs more states than this in any one search is too loose to be a puzzle.
    std::size_t maxStates = 150'000;
    int magicCap = 40;  // the most starting magic tried when looking for a clear
};

// A generation running on another thread: set cancel to stop it (the proof in
// progress sees it too); attempts counts the boards tried so far.
struct GenerateControl : ProofControl {
    std::atomic<std::uint64_t> attempts{0};
};

// What became of the boards tried.
struct GenerateTally {
    int attempts = 0;
    int unsolvable = 0;  // no clear with up to magicCap magic
    int tooLoose = 0;    // a search ran past maxStates
    int leaves = 0;      // a walk can leave the board
    int tooFewCasts = 0;
    int tooManyCasts = 0;
    int otherMoves = 0;  // the budget required another set of moves
    bool operator==(const GenerateTally&) const = default;
};

struct GenerateResult {
    // The stage found, its answer marked from the solution's final board.
    std::optional<game::StageDesc> stage;
    unsigned required = 0;  // the moves its budget requires
    int casts = 0;
    GenerateTally tally;
    Ending ending;  // cancelled by the control; the limits cut no search short here
    bool timedOut = false;
    std::optional<game::Phrase> impossible;  // why no board was tried: the request cannot be met
    std::chrono::milliseconds elapsed{0};
};

// Tries random boards in a fixed order drawn from the seed until the solver
// proves one with the casts and moves asked for. The same seed and options
// give the same stage on every run.
GenerateResult generate(const GenerateOptions& options, GenerateControl* control = nullptr);

// "412 boards tried in 9.3 s: 300 unsolvable, ..." for a search that found
// nothing, in English and for translation (marked in the context kGenerateWords).
inline constexpr const char* kGenerateWords = "Generate";
game::Phrase triesPhrase(const GenerateResult& result);
std::string describeTries(const GenerateResult& result);

// A move's bit by its name in moves::kNames, with "-" for a space
// ("take-back"); 0 for no such move.
unsigned moveByName(const std::string& name);

}  // namespace solver
