#include "solver/refute.h"

#include <vector>

#include "game/cast.h"
#include "game/rules.h"
#include "solver/pool_order.h"
#include "solver/search.h"

namespace solver {

namespace rules = game::rules;

namespace {

bool open(const Stage& stage, int c, int r) {
    return c >= 1 && c <= 9 && r >= 1 && r <= 9 &&
           !stage.wall[static_cast<std::size_t>(cellIndex(c, r))];
}

// The four cells beside one, those on the board.
template <typename F>
void forNeighbours(int cell, F&& f) {
    const int c = columnOf(cell), r = rowOf(cell);
    if (r > 1) f(cell - 9);
    if (r < 9) f(cell + 9);
    if (c > 1) f(cell - 1);
    if (c < 9) f(cell + 1);
}

}  // namespace

// Every move the character makes on the board goes from a cell to one beside
// it (a walk, a step of a fall, a fall through a floor cast away) or up one
// row and across one column through the cell above it (a climb), and every
// cell it passes is free, so never a wall, nor a cell `closed` holds while it
// holds it. A climb from row 1 goes over the top, and from there, taken as
// reaching every column at once, it casts on rows 1 and 2 and falls into
// row 2 wherever that is free. Walks off the board are never followed.
// Taking every other cell as free or solid at will can only add moves, so
// the cells found here hold every cell any play reaches while the closed
// cells stay closed, and every cast lands beside one.
Reachable reachAround(const Stage& stage, const std::array<bool, kCells>& closed) {
    Reachable out;
    std::vector<int> todo;
    auto free = [&](int c, int r) {
        return open(stage, c, r) && !closed[static_cast<std::size_t>(cellIndex(c, r))];
    };
    auto visit = [&](int c, int r) {
        if (!free(c, r)) return;
        const auto cell = static_cast<std::size_t>(cellIndex(c, r));
        if (out.occupy[cell]) return;
        out.occupy[cell] = true;
        todo.push_back(static_cast<int>(cell));
    };
    auto overTop = [&] {
        if (out.overTop) return;
        out.overTop = true;
        for (int c = 1; c <= 9; ++c) {
            out.touch[static_cast<std::size_t>(cellIndex(c, 1))] = true;
            out.touch[static_cast<std::size_t>(cellIndex(c, 2))] = true;
            visit(c, 2);
        }
    };
    const int start = stage.start.player();
    if (isOverTop(start)) {
        overTop();
    } else {
        out.occupy[static_cast<std::size_t>(start)] = true;
        todo.push_back(start);
    }
    while (!todo.empty()) {
        const int at = todo.back();
        todo.pop_back();
        const int c = columnOf(at), r = rowOf(at);
        visit(c - 1, r);
        visit(c + 1, r);
        visit(c, r + 1);
        if (r == 1) overTop();
        if (free(c, r - 1)) {
            visit(c - 1, r - 1);
            visit(c + 1, r - 1);
        }
    }
    for (int cell = 0; cell < kCells; ++cell)
        if (out.occupy[static_cast<std::size_t>(cell)])
            forNeighbours(cell, [&](int n) { out.touch[static_cast<std::size_t>(n)] = true; });
    return out;
}

Reachable everReachable(const Stage& stage) { return reachAround(stage, {}); }

// Sand and water are solid until a cast clears them, and a cast reaches only
// a cell beside one the character is in: while no cell beside them is
// reached they stand in the way like walls. Clearing every one that comes
// within reach, over and over, reaches as far as any play can.
Reachable mostReach(const Stage& stage, int kept) {
    std::array<bool, kCells> closed{};
    for (int cell = 0; cell < kCells; ++cell) {
        const CellKind k = stage.start.kind(cell);
        closed[static_cast<std::size_t>(cell)] = k == CellKind::Sand || k == CellKind::Water;
    }
    for (;;) {
        Reachable reach = reachAround(stage, closed);
        bool opened = false;
        for (int cell = 0; cell < kCells; ++cell) {
            const auto i = static_cast<std::size_t>(cell);
            if (!closed[i] || !reach.touch[i] || cell == kept) continue;
            closed[i] = false;
            opened = true;
        }
        if (!opened) return reach;
    }
}

namespace {

// The blocks no cast can reach: they stay where they are on every board.
std::vector<int> fixedBlocks(const Stage& stage, const Reachable& reach) {
    std::vector<int> fixed;
    for (int cell = 0; cell < kCells; ++cell)
        if (!reach.touch[static_cast<std::size_t>(cell)] &&
            stage.start.kind(cell) == CellKind::Block)
            fixed.push_back(cell);
    return fixed;
}

// The most blocks that can stand on `free` cells with no two side by side.
// Cells side by side differ in the parity of column plus row, so the cells
// and their sides make a bipartite graph, where the largest set with no two
// joined is the cell count less the largest matching (Konig).
int mostApart(const std::array<bool, kCells>& free) {
    std::array<int, kCells> matchOf;
    matchOf.fill(-1);
    std::array<bool, kCells> seen{};
    // Kuhn's augmenting paths from the even cells.
    auto augment = [&](auto&& self, int cell) -> bool {
        bool found = false;
        forNeighbours(cell, [&](int n) {
            const auto ni = static_cast<std::size_t>(n);
            if (found || !free[ni] || seen[ni]) return;
            seen[ni] = true;
            if (matchOf[ni] < 0 || self(self, matchOf[ni])) {
                matchOf[ni] = cell;
                found = true;
            }
        });
        return found;
    };
    int cells = 0, matched = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (!free[static_cast<std::size_t>(cell)]) continue;
        ++cells;
        if ((columnOf(cell) + rowOf(cell)) % 2 != 0) continue;
        seen.fill(false);
        if (augment(augment, cell)) ++matched;
    }
    return cells - matched;
}

// The most magic any clear can gain over its start. Each sand cell gives once
// (nothing turns back into sand), and only those a cast can reach; every pool
// must go. Of p blocks placed and q removed, p - q is the target less the
// blocks there are, so the blocks bring R*q - P*p = (R - P)*p + R*(blocks -
// target), largest with as few placed as the target allows.
int mostGain(const Stage& stage, const Reachable& reach) {
    static_assert(game::magicOf(CellKind::Empty) + game::magicOf(CellKind::Block) <= 0,
                  "placing and removing again must not make magic");
    int sand = 0;
    for (int cell = 0; cell < kCells; ++cell)
        if (reach.touch[static_cast<std::size_t>(cell)] && stage.start.kind(cell) == CellKind::Sand)
            ++sand;
    return mostGainLeft(stage.target, stage.start.count(CellKind::Block),
                        stage.start.count(CellKind::Water), sand);
}

// The places a cast on the pool at `pool` can be made from: the cells beside
// it the character can be in while the pool is there (`reach`, see
// mostReach), and over the top those beside row 1's pools and above row 2's.
std::vector<int> castingPlaces(const Reachable& reach, int pool) {
    std::vector<int> places;
    forNeighbours(pool, [&](int n) {
        if (reach.occupy[static_cast<std::size_t>(n)]) places.push_back(n);
    });
    if (!reach.overTop) return places;
    const int c = columnOf(pool), r = rowOf(pool);
    if (r == 1 && c > 1) places.push_back(overTopOf(c - 1));
    if (r == 1 && c < 9) places.push_back(overTopOf(c + 1));
    if (r == 2) places.push_back(overTopOf(c));
    return places;
}

// Every cell a cast can reach after one from `place` has cleared the pool at
// `pool`: the cells beside the region of the place (see everReachable). Cast
// from the cell above, the pool was the floor: the character falls through it
// at once, so the region is the pool's own, and on its way down it still
// casts beside the place it falls from.
std::array<bool, kCells> touchedAfterClearing(Stage probe, int place, int pool) {
    const bool fromAbove = place == pool - 9;
    probe.start.setPlayer(fromAbove ? pool : place);
    auto touch = everReachable(probe).touch;
    if (fromAbove) forNeighbours(place, [&](int n) { touch[static_cast<std::size_t>(n)] = true; });
    return touch;
}

// Cast from above a pool at the foot of a shaft (walls on both sides of the
// place, below row 2, where a fall from over the top would pass through a
// block), the character came down through the cell above the place and can
// only leave the same way. A block there at the clearing, unless it stood
// there over the start, was put there from the place, which shut the
// character in with nothing else to cast on but the pool: the count was
// above the target before it, so it is two above at the clearing, more than
// that one block can take back. (An open cell beside the place is itself one
// a cast reaches before and after, which leaves a block in reach anyway: the
// walls only say what this argument needs.)
bool shutInBelow(const Stage& stage, int place, int pool) {
    const int c = columnOf(place), r = rowOf(place);
    if (place != pool - 9 || r < 3 || open(stage, c - 1, r) || open(stage, c + 1, r)) return false;
    return stage.start.player() != place || stage.start.kind(place - 9) != CellKind::Block;
}

// Whether a block may be left where a cast can still reach it once the pool
// at `pool` is cleared from `place`: on a cell the character can cast on
// afterwards (`after`, see touchedAfterClearing) that began as a block or
// that a cast could reach while the pool was still there (`before`). Never
// the pool itself, nor the cell the character stands in to cast, nor the
// cell above a shaft it is shut in.
bool blockLeftInReach(const Stage& stage, int pool, int place, const Reachable& before,
                      const std::array<bool, kCells>& after) {
    const int above = shutInBelow(stage, place, pool) ? place - 9 : -1;
    for (int cell = 0; cell < kCells; ++cell) {
        const auto i = static_cast<std::size_t>(cell);
        if (!after[i] || stage.wall[i] || cell == pool || cell == place || cell == above) continue;
        if (before.touch[i] || stage.start.kind(cell) == CellKind::Block) return true;
    }
    return false;
}

// The pools, each with what a play can reach while it is still there.
struct Pool {
    int cell;
    Reachable before;
};

// Two pools each of which, once cleared, leaves the other where no cast can
// ever reach it: whichever goes first, the other stays.
//
// And with more blocks than the target, the count stays above it until the
// last cast, as meeting it with a pool left loses. So a pool is cleared with
// more blocks than the target on the board; if none of them is left where a
// cast can still reach it, they all stay, and the count never comes down.
std::optional<Refutation> refuteWhatClearingLeaves(const Stage& stage) {
    std::vector<Pool> pools;
    for (int cell = 0; cell < kCells; ++cell)
        if (stage.start.kind(cell) == CellKind::Water)
            pools.push_back({cell, mostReach(stage, cell)});
    const std::size_t n = pools.size();
    const bool countAbove = stage.start.count(CellKind::Block) > stage.target;
    // cutOff[i * n + j]: no cast reaches pool j once pool i is cleared.
    std::vector<bool> cutOff(n * n, true);
    std::vector<bool> leavesABlock(n, !countAbove);
    for (std::size_t i = 0; i < n; ++i)
        for (int place : castingPlaces(pools[i].before, pools[i].cell)) {
            const auto touch = touchedAfterClearing(stage, place, pools[i].cell);
            for (std::size_t j = 0; j < n; ++j)
                if (touch[static_cast<std::size_t>(pools[j].cell)]) cutOff[i * n + j] = false;
            if (!leavesABlock[i] &&
                blockLeftInReach(stage, pools[i].cell, place, pools[i].before, touch))
                leavesABlock[i] = true;
        }
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (cutOff[i * n + j] && cutOff[j * n + i])
                return Refutation{RefutationKind::PoolsCutOff, pools[i].cell, pools[j].cell, 0,
                                  stage.target};
    for (std::size_t i = 0; i < n; ++i)
        if (!leavesABlock[i])
            return Refutation{RefutationKind::PoolLeavesNoBlock, pools[i].cell, -1, 0,
                              stage.target};
    return std::nullopt;
}

// The checks that hold whatever the magic: a clear leaves no pool and exactly
// the target's blocks, none beside another, and a block no cast reaches is
// one of them.
std::optional<Refutation> refuteShape(const Stage& stage, const Reachable& reach) {
    for (int cell = 0; cell < kCells; ++cell)
        if (stage.start.kind(cell) == CellKind::Water &&
            !reach.touch[static_cast<std::size_t>(cell)])
            return Refutation{RefutationKind::PoolOutOfReach, cell, -1, 0, stage.target};
    const std::vector<int> fixed = fixedBlocks(stage, reach);
    const int count = static_cast<int>(fixed.size());
    if (count > stage.target)
        return Refutation{RefutationKind::TooManyFixed, -1, -1, count, stage.target};
    std::array<bool, kCells> free{};
    for (int cell = 0; cell < kCells; ++cell)
        free[static_cast<std::size_t>(cell)] = reach.touch[static_cast<std::size_t>(cell)] &&
                                               !stage.wall[static_cast<std::size_t>(cell)];
    for (int cell : fixed) {
        int touching = -1;
        forNeighbours(cell, [&](int n) {
            free[static_cast<std::size_t>(n)] = false;
            if (touching < 0 && n > cell && stage.start.kind(n) == CellKind::Block &&
                !reach.touch[static_cast<std::size_t>(n)])
                touching = n;
        });
        if (touching >= 0)
            return Refutation{RefutationKind::FixedTouching, cell, touching, 0, stage.target};
    }
    const int apart = count + mostApart(free);
    if (apart < stage.target)
        return Refutation{RefutationKind::TooFewPlaces, -1, -1, apart, stage.target};
    return refuteWhatClearingLeaves(stage);
}

}  // namespace

std::optional<Refutation> refute(const Stage& stage, int startMagic) {
    if (startMagic < 0) startMagic = stage.magic;
    const Reachable reach = mostReach(stage);
    if (auto shape = refuteShape(stage, reach)) return shape;
    const int best = startMagic + mostGain(stage, reach);
    if (game::outOfMagic(best))
        return Refutation{RefutationKind::MagicShort, -1, -1, best, stage.target};
    return refutePoolOrder(stage, startMagic);
}

int leastMagicAllowed(const Stage& stage) {
    return rules::kLeastMagicLeft - mostGain(stage, mostReach(stage));
}

namespace {

game::PhraseValue at(int cell) {
    return game::nested(game::phrase(kRefutationWords,
                                     QT_TRANSLATE_NOOP("Refutation", "column %1, row %2"),
                                     {columnOf(cell), rowOf(cell)}));
}

}  // namespace

game::Phrase refutationPhrase(const Refutation& r) {
    switch (r.kind) {
        case RefutationKind::PoolOutOfReach:
            return game::phrase(
                kRefutationWords,
                QT_TRANSLATE_NOOP("Refutation",
                                  "the pool at %1 can never be cleared: no cell the "
                                  "character could ever reach is beside it"),
                {at(r.cell)});
        case RefutationKind::TooManyFixed:
            return game::counting(
                kRefutationWords,
                QT_TRANSLATE_N_NOOP("Refutation",
                                    "%n blocks can never be reached to remove, "
                                    "more than the target of %1"),
                "%n block can never be reached to remove, more than the target of %1", r.count,
                {r.target});
        case RefutationKind::FixedTouching:
            return game::phrase(kRefutationWords,
                                QT_TRANSLATE_NOOP("Refutation",
                                                  "the blocks at %1 and %2 touch and can never be "
                                                  "reached to remove"),
                                {at(r.cell), at(r.other)});
        case RefutationKind::TooFewPlaces:
            return game::counting(
                kRefutationWords,
                QT_TRANSLATE_N_NOOP("Refutation",
                                    "at most %n blocks can stand apart where the "
                                    "character can reach, fewer than the target of "
                                    "%1"),
                "at most %n block can stand apart where the character can reach, "
                "fewer than the target of %1",
                r.count, {r.target});
        case RefutationKind::PoolsCutOff:
            return game::phrase(kRefutationWords,
                                QT_TRANSLATE_NOOP("Refutation",
                                                  "the pools at %1 and %2 can never both be "
                                                  "cleared: once either is, no cast can reach "
                                                  "the other"),
                                {at(r.cell), at(r.other)});
        case RefutationKind::PoolLeavesNoBlock:
            return game::phrase(kRefutationWords,
                                QT_TRANSLATE_NOOP("Refutation",
                                                  "the pool at %1 can only be cleared while there "
                                                  "are more blocks than the target of %2, and "
                                                  "once it is, none of them is left within reach "
                                                  "to take away"),
                                {at(r.cell), r.target});
        case RefutationKind::PoolsCostTooMuch:
            return game::counting(
                kRefutationWords,
                QT_TRANSLATE_N_NOOP("Refutation",
                                    "the magic runs out before the pools are cleared: with the "
                                    "sand the character can reach as they go, at most %1 of the "
                                    "%n pools can be cleared"),
                "the magic runs out before the pools are cleared: with the sand the character "
                "can reach as they go, at most %1 of the %n pool can be cleared",
                r.total, {r.count});
        case RefutationKind::MagicShort:
            break;
    }
    return game::phrase(
        kRefutationWords,
        QT_TRANSLATE_NOOP("Refutation",
                          "the magic can never suffice: even clearing every sand the "
                          "character could reach, a clear would end with %1 magic, and "
                          "the game needs at least %2"),
        {r.count, rules::kLeastMagicLeft});
}

std::string refutationText(const Refutation& r) { return game::english(refutationPhrase(r)); }

}  // namespace solver
