#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/stage_desc.h"
#include "solver/search.h"

namespace drawn {

// The two halves of a benchmark level: boards drawn at random, nearly all of
// them unsolvable, and boards whose goal was made by playing casts forward,
// solvable with their budget by construction.
enum class StageKind { Random, Solvable };

// The share of open cells a level may ask for, in percent.
inline constexpr int kLeastOpen = 1;
inline constexpr int kMostOpen = 100;

// Stage `index` of a level: every cell above the bottom row (a wall) open
// with a chance of `openPercent`, an open cell empty, sand, block or water in
// the ratio 6:1:2:1, the rest walls; the start on an empty cell with
// something below it. A random stage draws its target (0-3) and budget
// (2-14). A solvable one plays random casts from its start, leaning towards
// clearing pools and pulling touching blocks apart, until the board has
// neither; that board's block count is the target, and the budget is the
// least the casts played needed; none when thousands of boards never played
// to a goal (too few open cells). The same seed, share, kind and index give
// the same stage, however many others are drawn beside it.
std::optional<game::StageDesc> drawnStage(std::uint64_t seed, int openPercent, StageKind kind,
                                          int index);

// The highest index a name has room for.
inline constexpr int kMostIndex = 999;

// A stage made solvable and the casts that made it, from the start on: each
// made from a cell the character walks to, or the one it landed on.
struct MadeStage {
    game::StageDesc desc;
    std::vector<solver::Cast> casts;
};
// The solvable stage `index` of drawnStage, with its casts.
std::optional<MadeStage> madeSolvable(std::uint64_t seed, int openPercent, int index);

// Nothing when the real game clears the stage by the casts that made it, with
// its own budget; else what went wrong.
std::optional<std::string> checkInGame(const MadeStage& made);

// "open70-random-007.bkm": sorts by level, then kind, then index.
std::string drawnStageName(int openPercent, StageKind kind, int index);

}  // namespace drawn
