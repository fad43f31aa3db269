#include "solver/pool_order.h"

#include <algorithm>
#include <bit>
#include <unordered_set>
#include <vector>

#include "game/cast.h"
#include "game/rules.h"

namespace solver {

namespace rules = game::rules;

namespace {

// The pools cleared, a bit for each of the stage's pools in cell order.
using PoolSet = std::uint64_t;
// More pools than the bits of a set: the check is left out.
constexpr int kMostPools = 64;

// The search over which pools are cleared, the rest of the board left open.
//
// Why it is sound. Sand and water are solid until a cast clears them, and a
// cast reaches only a cell beside one the character is in, so with the
// pools P cleared so far every cell the character has been in lies within
// reachAround(closed: the pools not in P and the sand not yet cleared). Sand
// never costs: with P fixed, clearing every sand within that reach, over and
// over, can only add reach and magic, so the magic of any play with P
// cleared is at most
//   start + 8 * (that sand) - 2 * |P| + what the blocks gave.
// The blocks give R - 2 * Q over R removals and Q placements. Each removal on
// a cell that began empty follows a placement there, and each other removal
// but the first on a cell follows a placement too, so R - 2Q is at most the
// blocks the stage began with that a cast has reached. And R - Q is the
// blocks there were less those there are: a stage that begins above its
// target stays above it until its last cast (the count moves by one a cast,
// and meeting it ends the play), so before the last cast R - Q is at most
// the blocks less the target less one; one that begins at or below it has at
// most its blocks to give. Every pool is cleared before the last cast, as
// meeting the target with a pool left loses. So a play that clears the stage
// clears its pools one at a time, each within reach when cleared, with at
// least the least magic left after each: the order this search tries. When
// no order gets every pool cleared, or the magic at the end falls short with
// the blocks' whole gain, no play clears the stage.
class PoolOrder {
public:
    PoolOrder(const Stage& stage, int startMagic) : stage_(stage), startMagic_(startMagic) {
        for (int cell = 0; cell < kCells; ++cell) {
            const CellKind k = stage.start.kind(cell);
            if (k == CellKind::Water) pools_.push_back(cell);
            if (k == CellKind::Block) ++blocks_;
        }
        blockGainBefore_ = blocks_ > stage.target ? blocks_ - stage.target - 1 : blocks_;
    }

    bool tooMany() const { return static_cast<int>(pools_.size()) > kMostPools; }
    int pools() const { return static_cast<int>(pools_.size()); }

    // Whether some order of clearing leaves the magic up to the end.
    enum class Answer { Lasts, RunsOut, GaveUp };
    Answer run(std::size_t maxSets) {
        std::vector<PoolSet> todo{0};
        seen_.insert(0);
        const PoolSet all = pools_.size() == kMostPools ? ~PoolSet{0}
                                                        : (PoolSet{1} << pools_.size()) - 1;
        while (!todo.empty()) {
            const PoolSet cleared = todo.back();
            todo.pop_back();
            most_ = std::max(most_, std::popcount(cleared));
            const Within w = within(cleared);
            if (cleared == all) {
                const int end = magicAtEnd(w);
                bestEnd_ = std::max(bestEnd_, end);
                if (!game::outOfMagic(end)) return Answer::Lasts;
                continue;
            }
            if (game::outOfMagic(magicBefore(w, cleared) + game::magicOf(CellKind::Water))) continue;
            for (std::size_t i = 0; i < pools_.size(); ++i) {
                const PoolSet next = cleared | (PoolSet{1} << i);
                if (next == cleared || !w.touch[static_cast<std::size_t>(pools_[i])]) continue;
                if (!seen_.insert(next).second) continue;
                if (seen_.size() > maxSets) return Answer::GaveUp;
                todo.push_back(next);
            }
        }
        return Answer::RunsOut;
    }
    int most() const { return most_; }
    // The most magic a play that clears every pool could end with; below the
    // least there may be when none could clear them all.
    int bestEnd() const { return bestEnd_; }

private:
    struct Within {
        std::array<bool, kCells> touch;
        int sand;  // the sand within reach, every one cleared
        int own;   // the blocks the stage began with within reach
    };

    Within within(PoolSet cleared) const {
        std::array<bool, kCells> closed{};
        for (int cell = 0; cell < kCells; ++cell)
            closed[static_cast<std::size_t>(cell)] = stage_.start.kind(cell) == CellKind::Sand;
        for (std::size_t i = 0; i < pools_.size(); ++i)
            closed[static_cast<std::size_t>(pools_[i])] = !((cleared >> i) & 1);
        int sand = 0;
        for (;;) {
            const Reachable reach = reachAround(stage_, closed);
            bool more = false;
            for (int cell = 0; cell < kCells; ++cell) {
                const auto c = static_cast<std::size_t>(cell);
                if (!reach.touch[c] || !closed[c] || stage_.start.kind(cell) != CellKind::Sand)
                    continue;
                closed[c] = false;
                ++sand;
                more = true;
            }
            if (more) continue;
            int own = 0;
            for (int cell = 0; cell < kCells; ++cell)
                if (reach.touch[static_cast<std::size_t>(cell)] && stage_.ownBlock(cell)) ++own;
            return {reach.touch, sand, own};
        }
    }

    int magicBefore(const Within& w, PoolSet cleared) const {
        using game::magicOf;
        return startMagic_ + magicOf(CellKind::Sand) * w.sand +
               magicOf(CellKind::Water) * std::popcount(cleared) +
               magicOf(CellKind::Block) * std::min(w.own, blockGainBefore_);
    }

    // After the last cast: the blocks have given what the target leaves them,
    // and no more than those reached.
    int magicAtEnd(const Within& w) const {
        using game::magicOf;
        const int blocks = blocks_ >= stage_.target
                               ? magicOf(CellKind::Block) * std::min(w.own, blocks_ - stage_.target)
                               : magicOf(CellKind::Empty) * (stage_.target - blocks_);
        return startMagic_ + magicOf(CellKind::Sand) * w.sand +
               magicOf(CellKind::Water) * static_cast<int>(pools_.size()) + blocks;
    }

    const Stage& stage_;
    int startMagic_;
    std::vector<int> pools_;
    int blocks_ = 0;
    int blockGainBefore_ = 0;
    std::unordered_set<PoolSet> seen_;
    int most_ = 0;
    int bestEnd_ = rules::kLeastMagicLeft - 1;
};

}  // namespace

std::optional<Refutation> refutePoolOrder(const Stage& stage, int startMagic,
                                          std::size_t maxSets) {
    PoolOrder order(stage, startMagic);
    if (order.tooMany() || order.run(maxSets) != PoolOrder::Answer::RunsOut) return std::nullopt;
    Refutation r;
    r.target = stage.target;
    // Every pool can be cleared, but the end falls short: a shortfall of
    // magic as the plain check finds it, only with less sand in reach.
    if (order.most() == order.pools()) {
        r.kind = RefutationKind::MagicShort;
        r.count = order.bestEnd();
        return r;
    }
    r.kind = RefutationKind::PoolsCostTooMuch;
    r.count = order.most();
    r.total = order.pools();
    return r;
}

}  // namespace solver
