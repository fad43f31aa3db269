#include "solver/best_first.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <queue>
#include <unordered_map>

#include "game/rules.h"
#include "solver/moves.h"

namespace solver {

namespace rules = game::rules;

namespace {

// How much a step nearer the goal outweighs a cast already made: high enough
// that the search runs at the goal, low enough that it prefers short ways there.
constexpr int kGoalWeight = 2;
// States between looks at a cancel.
constexpr std::size_t kCheckEvery = 1024;

// A standing character can cast from every cell it can walk to, and from no
// other: two standing states with the same board and the same cells in
// reach have the same casts, so they are one state here, whichever of those
// cells the character stands on. A falling one is its board, cell and fall.
struct StateKey {
    Board board;
    std::array<std::uint64_t, 2> reach{};
    bool operator==(const StateKey&) const = default;
};

StateKey keyOf(const Stage& stage, const Board& b) {
    StateKey key{b, {}};
    if (b.falling()) return key;
    const Reach reach = reachable(SolidMap(stage, b), b.player());
    for (int i = 0; i < reach.size; ++i) {
        const int cell = reach.order[static_cast<std::size_t>(i)];
        key.reach[static_cast<std::size_t>(cell >> 6)] |= std::uint64_t{1} << (cell & 63);
    }
    key.board.setPlayer(0);
    return key;
}

struct KeyHash {
    std::size_t operator()(const StateKey& k) const {
        std::uint64_t h = k.board.w[0] * 0x9E3779B97F4A7C15ULL ^
                          (k.board.w[1] + 0x632BE59BD9B4E019ULL) * 0xC2B2AE3D27D4EB4FULL;
        h ^= k.board.w[2] * 0x165667B19E3779F9ULL;
        h ^= (k.reach[0] + 0x27D4EB2F165667C5ULL) * 0x94D049BB133111EBULL;
        h ^= k.reach[1] * 0xBF58476D1CE4E5B9ULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

struct Node {
    Board board;
    std::uint32_t parent;
    std::int16_t magic;
    std::int16_t casts;
    std::int8_t from;
    std::int8_t target;
};

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

bool inMask(const std::array<std::uint64_t, 2>& mask, int cell) {
    return (mask[static_cast<std::size_t>(cell >> 6)] >> (cell & 63)) & 1;
}

// Whether a cast from the cells in reach can change `cell`.
bool beside(const std::array<std::uint64_t, 2>& reach, int cell) {
    const int c = columnOf(cell), r = rowOf(cell);
    return (r > 1 && inMask(reach, cell - 9)) || (r < 9 && inMask(reach, cell + 9)) ||
           (c > 1 && inMask(reach, cell - 1)) || (c < 9 && inMask(reach, cell + 1));
}

// How much more a pool or a block to remove weighs while no cell in walking
// reach is beside it: reaching it takes casts of its own (stairs, a way
// through), and a search that counts them climbs towards what is left.
constexpr int kFarWeight = 3;

// Blocks off the target, pools left and pairs of blocks side by side: each
// takes at least one cast to put right; those out of reach take more.
int distance(const Stage& stage, const Board& b, const StateKey& key) {
    int far = 0;
    if (!b.falling()) {
        const bool tooMany = b.count(CellKind::Block) > stage.target;
        for (int cell = 0; cell < kCells; ++cell) {
            const CellKind k = b.kind(cell);
            if ((k == CellKind::Water || (tooMany && k == CellKind::Block)) &&
                !beside(key.reach, cell))
                ++far;
        }
    }

    int touching = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (b.kind(cell) != CellKind::Block) continue;
        if (columnOf(cell) < 9 && b.kind(cell + 1) == CellKind::Block) ++touching;
        if (rowOf(cell) < 9 && b.kind(cell + 9) == CellKind::Block) ++touching;
    }
    return std::abs(b.count(CellKind::Block) - stage.target) + b.count(CellKind::Water) + touching +
           kFarWeight * far;
}

// As the exact search: whatever the order, a clear pays for each pool and
// each block still wanted, gains on each block too many, and sand gives at
// most its own.
bool cannotClear(const Stage& stage, const Board& b, int magic) {
    const int blocks = b.count(CellKind::Block);
    const int settle = blocks <= stage.target ? rules::kPlaceBlockCost * (blocks - stage.target)
                                              : rules::kRemoveBlockGain * (blocks - stage.target);
    return magic + rules::kSandGain * b.count(CellKind::Sand) -
               rules::kClearWaterCost * b.count(CellKind::Water) + settle <
           rules::kLeastMagicLeft;
}

int neededMagic(const Stage& stage, const std::vector<Cast>& casts) {
    int sum = 0, lowest = 0;
    Board b = stage.start;
    for (const Cast& c : casts) {
        const CastEffect e = castOn(stage, b, c.from, c.target);
        lowest = std::min(lowest, sum += e.magicDelta);
        b = e.board;
    }
    return std::max(rules::kLeastMagicLeft, rules::kLeastMagicLeft - lowest);
}

class BestFirst {
public:
    BestFirst(const Stage& stage, const BestFirstOptions& options)
        : stage_(stage), options_(options) {}

    BestFirstResult run() {
        add(stage_.start, kNone, options_.startMagic, 0, -1, -1);
        while (!open_.empty() && !result_.cleared && seen_.size() <= options_.maxStates) {
            if (++expanded_ % kCheckEvery == 0 && cancelRequested()) {
                result_ = {};
                result_.cancelled = true;
                break;
            }
            const std::uint32_t n = open_.top().node;
            open_.pop();
            expand(n);
        }
        result_.states = seen_.size();
        if (result_.cleared) result_.needs = neededMagic(stage_, result_.casts);
        return std::move(result_);
    }

private:
    struct Entry {
        int priority;
        int magic;
        std::uint32_t node;
        // The lowest priority first, then the most magic.
        bool operator<(const Entry& o) const {
            return priority != o.priority ? priority > o.priority : magic < o.magic;
        }
    };

    // Publishes the states looked at since the last look, as the exact
    // search does, and reads the request to stop.
    bool cancelRequested() {
        if (options_.control == nullptr) return false;
        options_.control->states.fetch_add(seen_.size() - published_, std::memory_order_relaxed);
        published_ = seen_.size();
        return options_.control->cancel.load(std::memory_order_relaxed);
    }

    void add(const Board& b, std::uint32_t parent, int magic, int casts, int from, int target) {
        const StateKey key = keyOf(stage_, b);
        auto [it, fresh] = seen_.try_emplace(key, static_cast<std::int16_t>(magic));
        if (!fresh && it->second >= magic) return;
        it->second = static_cast<std::int16_t>(magic);
        const auto n = static_cast<std::uint32_t>(nodes_.size());
        nodes_.push_back({b, parent, static_cast<std::int16_t>(magic),
                          static_cast<std::int16_t>(casts), static_cast<std::int8_t>(from),
                          static_cast<std::int8_t>(target)});
        open_.push({kGoalWeight * distance(stage_, b, key) + casts, magic, n});
    }

    void expand(std::uint32_t n) {
        const Node node = nodes_[n];
        // A richer visit of the same state came later and stands for it.
        if (seen_.at(keyOf(stage_, node.board)) > node.magic) return;
        const SolidMap solid(stage_, node.board);
        if (node.board.falling()) {
            const int land = landing(solid, node.board.player());
            for (int at = node.board.player(); at != land && !result_.cleared; at += 9)
                castAround(n, node, at, false);
            Board landed = node.board;
            landed.setPlayer(land);
            landed.setFalling(false);
            add(landed, n, node.magic, node.casts, -1, -1);
            return;
        }
        const Reach reach = reachable(solid, node.board.player());
        for (int i = 0; i < reach.size && !result_.cleared; ++i)
            castAround(n, node, reach.order[static_cast<std::size_t>(i)], true);
    }

    // Casts on the cells beside `from`; falling, not on the one below.
    void castAround(std::uint32_t n, const Node& node, int from, bool below) {
        const int c = columnOf(from), r = rowOf(from);
        if (r > 1) tryCast(n, node, from, from - 9);
        if (c < 9) tryCast(n, node, from, from + 1);
        if (c > 1) tryCast(n, node, from, from - 1);
        if (below && r < 9) tryCast(n, node, from, from + 9);
    }

    void tryCast(std::uint32_t n, const Node& node, int from, int target) {
        if (result_.cleared) return;
        const CastEffect e = castOn(stage_, node.board, from, target);
        const int magic = node.magic + e.magicDelta;
        const Outcome outcome = judge(stage_, e.board, magic);
        if (outcome == Outcome::Cleared) return finish(n, {from, target});
        // A wall changes nothing: the state is the one already queued.
        if (e.wall || outcome == Outcome::Lost || cannotClear(stage_, e.board, magic)) return;
        add(e.board, n, magic, node.casts + 1, from, target);
    }

    void finish(std::uint32_t n, const Cast& last) {
        result_.cleared = true;
        for (std::uint32_t at = n; nodes_[at].parent != kNone; at = nodes_[at].parent)
            if (nodes_[at].from >= 0) result_.casts.push_back({nodes_[at].from, nodes_[at].target});
        std::reverse(result_.casts.begin(), result_.casts.end());
        result_.casts.push_back(last);
    }

    const Stage& stage_;
    const BestFirstOptions& options_;
    std::vector<Node> nodes_;
    std::unordered_map<StateKey, std::int16_t, KeyHash> seen_;
    std::priority_queue<Entry> open_;
    std::size_t expanded_ = 0;
    std::size_t published_ = 0;  // states already added to the control's count
    BestFirstResult result_;
};

}  // namespace

BestFirstResult bestFirst(const Stage& stage, const BestFirstOptions& options) {
    return BestFirst(stage, options).run();
}

}  // namespace solver
