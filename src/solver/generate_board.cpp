#include "solver/generate_board.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "solver/moves.h"

namespace solver {

int Draw::below(int n) {
    const auto range = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() -
                                std::numeric_limits<std::uint64_t>::max() % range;
    std::uint64_t x = engine_();
    while (x >= limit) x = engine_();
    return static_cast<int>(x % range);
}

namespace {

using game::CellKind;
using game::StageDesc;

constexpr int kSide = game::kBoardSide;
constexpr int kMaxGround = 4;  // rows of ground at the highest column
constexpr int kMaxTarget = 6;
constexpr int kMaxSand = 2;

// What the board leans towards, from the moves asked for.
struct Leaning {
    bool pools, sand, blocks, steps, holes, place, remove;
};

Leaning leaningFor(Draw& draw, std::optional<unsigned> required) {
    if (!required) {
        return {draw.chance(70),
                draw.chance(50),
                draw.chance(60),
                draw.chance(60),
                draw.chance(40),
                true,
                true};
    }
    const unsigned r = *required;
    const bool climbs = r & (moves::kClimb | moves::kClimbOwn);
    return {(r & moves::kClearWater) != 0, (r & moves::kSand) != 0,
            // Without placing, the target can only be met with the stage's own blocks.
            (r & (moves::kRemove | moves::kPlace)) != moves::kPlace || draw.chance(25),
            climbs && draw.chance(70), (r & moves::kWalkIntoHole) != 0, (r & moves::kPlace) != 0,
            (r & (moves::kRemove | moves::kTakeBack)) != 0};
}

bool solid(const StageDesc& d, int c, int r) {
    return r > kSide || (c >= 1 && c <= kSide && r >= 1 && d.at(c, r) != CellKind::Empty);
}

// The ground: a wall down column 1 as in the game's stages, and columns of
// ground that rise and fall by a row at a time where steps or holes are wanted.
void buildGround(Draw& draw, const Leaning& lean, StageDesc& d) {
    int height = draw.between(1, 2);
    for (int c = 2; c <= kSide; ++c) {
        if (lean.steps || lean.holes) {
            const int step = draw.below(4);  // down, level, level, up
            height = std::clamp(height + (step == 0 ? -1 : step == 3 ? 1 : 0), 1, kMaxGround);
        }
        for (int r = kSide - height + 1; r <= kSide; ++r) d.set(c, r, CellKind::Wall);
    }
    for (int r = 1; r <= kSide; ++r) d.set(1, r, CellKind::Wall);
}

// A ledge or two of wall in the air, left clear of the ground below it.
void buildLedges(Draw& draw, const Leaning& lean, StageDesc& d) {
    const int ledges = lean.steps ? draw.between(0, 2) : 0;
    for (int i = 0; i < ledges; ++i) {
        const int r = draw.between(4, 7);
        const int c0 = draw.between(2, kSide - 1);
        const int length = draw.between(1, 3);
        for (int c = c0; c < c0 + length && c <= kSide; ++c)
            if (!solid(d, c, r) && !solid(d, c, r + 1) && !solid(d, c, r + 2))
                d.set(c, r, CellKind::Wall);
    }
}

// Pools sit on the ground; blocks may stand on blocks, as stairs and stacks.
bool restsOn(const StageDesc& d, int c, int r, CellKind kind) {
    if (r == kSide) return true;
    const CellKind below = d.at(c, r + 1);
    return below == CellKind::Wall || below == CellKind::Sand ||
           (kind == CellKind::Block && below == CellKind::Block);
}

// Empty cells on the ground or a ledge, so that nothing is stacked; a hollow
// (solid on both sides) counts twice, so pools lean towards them.
std::vector<int> standingCells(const StageDesc& d, CellKind kind, bool hollowsTwice) {
    std::vector<int> out;
    for (int r = 1; r <= kSide; ++r)
        for (int c = 2; c <= kSide; ++c) {
            if (d.at(c, r) != CellKind::Empty || !restsOn(d, c, r, kind)) continue;
            out.push_back(game::boardIndex(c, r));
            if (hollowsTwice && solid(d, c - 1, r) && solid(d, c + 1, r))
                out.push_back(game::boardIndex(c, r));
        }
    return out;
}

void scatter(Draw& draw, StageDesc& d, CellKind kind, int count, bool hollowsTwice) {
    for (int i = 0; i < count; ++i) {
        const std::vector<int> cells = standingCells(d, kind, hollowsTwice);
        if (cells.empty()) return;
        d.cells[static_cast<std::size_t>(
            cells[static_cast<std::size_t>(draw.below(static_cast<int>(cells.size())))])] = kind;
    }
}

// Sand half the time in the ground's top row, as a cell to dig, else on it.
void placeSand(Draw& draw, StageDesc& d, int count) {
    for (int i = 0; i < count; ++i) {
        if (draw.chance(50)) {
            scatter(draw, d, CellKind::Sand, 1, false);
            continue;
        }
        const int c = draw.between(2, kSide);
        int r = 1;
        while (r < kSide && d.at(c, r) == CellKind::Empty) ++r;
        if (r < kSide && d.at(c, r) == CellKind::Wall) d.set(c, r, CellKind::Sand);
    }
}

// How many casts of each kind the board is drawn for: one of each kind asked
// for, the rest of a cast count in the range spread at random over the kinds
// the board leans to.
struct CastShare {
    int pools = 0, sand = 0, placed = 0, removed = 0;
};

CastShare castPlan(Draw& draw, const Leaning& lean, int minCasts, int maxCasts) {
    CastShare p;
    std::array<int*, 4> kinds{};
    int n = 0;
    if (lean.pools) kinds[n++] = &p.pools;
    if (lean.sand) kinds[n++] = &p.sand;
    if (lean.place) kinds[n++] = &p.placed;
    if (lean.remove && lean.blocks) kinds[n++] = &p.removed;
    if (n == 0) return p;
    int casts = draw.between(minCasts, maxCasts);
    for (int i = 0; i < n && casts > 0; ++i, --casts) ++*kinds[static_cast<std::size_t>(i)];
    for (; casts > 0; --casts) ++*kinds[static_cast<std::size_t>(draw.below(n))];
    // Sand pays well: more than two would leave the budget slack.
    if (lean.place) p.placed += std::max(0, p.sand - kMaxSand);
    p.sand = std::min(p.sand, kMaxSand);
    return p;
}

}  // namespace

StageDesc randomBoard(Draw& draw, std::optional<unsigned> required, int minCasts, int maxCasts) {
    const Leaning lean = leaningFor(draw, required);
    const CastShare plan = castPlan(draw, lean, minCasts, maxCasts);
    StageDesc d;
    buildGround(draw, lean, d);
    buildLedges(draw, lean, d);
    scatter(draw, d, CellKind::Water, plan.pools, true);
    placeSand(draw, d, plan.sand);
    const int kept = lean.blocks ? draw.between(lean.place ? 0 : 1, 2) : 0;
    scatter(draw, d, CellKind::Block, plan.removed + kept, false);
    const std::vector<int> starts = standingCells(d, CellKind::Empty, false);
    if (!starts.empty()) {
        const int start =
            starts[static_cast<std::size_t>(draw.below(static_cast<int>(starts.size())))];
        d.startCol = start % kSide + 1;
        d.startRow = start / kSide + 1;
    }
    d.target = static_cast<std::int16_t>(std::clamp(kept + plan.placed, 1, kMaxTarget));
    return d;
}

}  // namespace solver
