#include "solver/best_first.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdlib>
#include <deque>
#include <queue>

#include "game/cast.h"
#include "game/rules.h"
#include "solver/moves.h"
#include "solver/regions.h"

namespace solver {

namespace rules = game::rules;

namespace {

// States between looks at a cancel.
constexpr std::size_t kCheckEvery = 1024;
// The table's slots at first, a power of two: most searches that clear
// need more.
constexpr std::size_t kFirstSlots = 1 << 14;

// How a search weighs a state: goalWeight, how much a step nearer the goal
// outweighs a cast already made (high: it runs at the goal; low: it prefers
// short ways there); reachWeight, how much each cast it takes to get at a
// pool or a block out of reach counts beside the pool or block itself; turns,
// the states it expands each time its turn comes.
// Far: how what is out of reach counts, by the casts to get at it or only
// as out of reach (no cell in walking reach beside it).
// Novelty: whether a state that brings nothing new goes behind all that do.
enum class Far { Casts, OutOfReach };
enum class Novelty { Ignored, First };
struct GoalMeasure {
    int goalWeight;
    int reachWeight;
    Far far;
    int turns;
    Novelty novelty = Novelty::Ignored;
};
// No one measure finds every clear soon: on open boards the casts to get at
// what is left lead the way, and the first finds most; a stage tight on
// magic may clear sooner when they are left out, and some boards sooner
// when the casts already made weigh more. The last two look at the new
// first: a board whose clear is long (thirty casts and more) lies beyond a
// plateau of states all as far from the goal, which the others search
// through state by state.
constexpr GoalMeasure kGoalMeasures[] = {{20, 1, Far::Casts, 2},
                                         {100, 3, Far::Casts, 1},
                                         {100, 0, Far::Casts, 1},
                                         {2, 3, Far::OutOfReach, 1},
                                         {1, 1, Far::Casts, 1, Novelty::First},
                                         {1, 3, Far::Casts, 1, Novelty::First}};

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

// Mixed so that its high bits, which pick a slot, depend on every word.
std::uint64_t hashOf(const StateKey& k) {
    std::uint64_t h = k.board.w[0] * 0x9E3779B97F4A7C15ULL ^
                      (k.board.w[1] + 0x632BE59BD9B4E019ULL) * 0xC2B2AE3D27D4EB4FULL;
    h ^= k.board.w[2] * 0x165667B19E3779F9ULL;
    h ^= (k.reach[0] + 0x27D4EB2F165667C5ULL) * 0x94D049BB133111EBULL;
    h ^= k.reach[1] * 0xBF58476D1CE4E5B9ULL;
    return (h ^ (h >> 29)) * 0x9E3779B97F4A7C15ULL;
}

// A state met, as the table tells states apart, with the cell the key
// forgets of a standing character.
struct Node {
    StateKey key;
    std::uint32_t parent;
    std::int16_t magic;
    std::int16_t casts;
    std::int8_t from;
    std::int8_t target;
    std::int8_t player;

    Board board() const {
        Board b = key.board;
        b.setPlayer(player);
        return b;
    }
};

constexpr std::uint32_t kNone = 0xFFFFFFFFu;
// A node's magic once a richer visit of its state took its place.
constexpr std::int16_t kOvertaken = -32768;

bool inMask(const std::array<std::uint64_t, 2>& mask, int cell) {
    return (mask[static_cast<std::size_t>(cell >> 6)] >> (cell & 63)) & 1;
}

// What reaching a cell that is out of reach counts for at most: a pool or a
// block walled in for good weighs no more than this.
constexpr int kFarthest = 40;

// Roughly how many casts it takes to get the character into each cell: none
// for the cells in walking reach (or the one it falls through), one more for
// each row climbed (a step to stand on) and for each cell to be cleared on
// the way. Walls stop it. Few casts make it exact, but it orders well which
// pools and blocks are nearer than others.
std::array<int, kCells> castsToReach(const Stage& stage, const Board& b, const StateKey& key) {
    std::array<int, kCells> dist;
    dist.fill(kFarthest);
    // A queue with both ends: a move of no cost goes in front.
    std::array<int, 4 * kCells + 1> queue;
    std::size_t head = 2 * kCells, tail = 2 * kCells;
    auto from = [&](int cell) {
        dist[static_cast<std::size_t>(cell)] = 0;
        queue[tail++] = cell;
    };
    if (b.falling())
        from(b.player());
    else
        for (int place = 0; place < kPlaces; ++place)
            if (inMask(key.reach, place)) from(cellOf(place));
    while (head < tail) {
        const int at = queue[head++];
        const int d = dist[static_cast<std::size_t>(at)];
        auto go = [&](int to, bool up) {
            if (stage.wall[static_cast<std::size_t>(to)]) return;
            const int cost = (b.kind(to) != CellKind::Empty ? 1 : 0) + (up ? 1 : 0);
            auto& there = dist[static_cast<std::size_t>(to)];
            if (d + cost >= there) return;
            there = d + cost;
            if (cost == 0)
                queue[--head] = to;
            else
                queue[tail++] = to;
        };
        const int c = columnOf(at), r = rowOf(at);
        if (r > 1) go(at - 9, true);
        if (r < 9) go(at + 9, false);
        if (c > 1) go(at - 1, false);
        if (c < 9) go(at + 1, false);
    }
    return dist;
}

// The casts to bring the character beside `cell`.
int castsToBeside(const std::array<int, kCells>& dist, int cell) {
    const int c = columnOf(cell), r = rowOf(cell);
    int best = kFarthest;
    if (r > 1) best = std::min(best, dist[static_cast<std::size_t>(cell - 9)]);
    if (r < 9) best = std::min(best, dist[static_cast<std::size_t>(cell + 9)]);
    if (c > 1) best = std::min(best, dist[static_cast<std::size_t>(cell - 1)]);
    if (c < 9) best = std::min(best, dist[static_cast<std::size_t>(cell + 1)]);
    return best;
}

// The casts to reach every pool and as many of the nearest blocks as there
// are too many.
int castsToGetAt(const Stage& stage, const Board& b, const StateKey& key) {
    const std::array<int, kCells> dist = castsToReach(stage, b, key);
    int sum = 0, blocks = 0;
    std::array<int, kCells> blockCosts;
    for (int cell = 0; cell < kCells; ++cell) {
        const CellKind k = b.kind(cell);
        if (k == CellKind::Water) sum += castsToBeside(dist, cell);
        if (k == CellKind::Block) blockCosts[static_cast<std::size_t>(blocks++)] = castsToBeside(dist, cell);
    }
    const int tooMany = std::min(blocks, blocks - stage.target);
    if (tooMany > 0) {
        std::partial_sort(blockCosts.begin(), blockCosts.begin() + tooMany, blockCosts.begin() + blocks);
        for (int i = 0; i < tooMany; ++i) sum += blockCosts[static_cast<std::size_t>(i)];
    }
    return sum;
}

// Whether a cast from the cells in reach can change `cell`. (Casts from
// over the top are left out: this only orders the search.)
bool beside(const std::array<std::uint64_t, 2>& reach, int cell) {
    const int c = columnOf(cell), r = rowOf(cell);
    return (r > 1 && inMask(reach, cell - 9)) || (r < 9 && inMask(reach, cell + 9)) ||
           (c > 1 && inMask(reach, cell - 1)) || (c < 9 && inMask(reach, cell + 1));
}

// The pools, and the blocks while there are too many, that no cell in
// walking reach is beside; none while falling.
int outOfReach(const Stage& stage, const Board& b, const StateKey& key) {
    if (b.falling()) return 0;
    int far = 0;
    const bool tooMany = b.count(CellKind::Block) > stage.target;
    for (int cell = 0; cell < kCells; ++cell) {
        const CellKind k = b.kind(cell);
        if ((k == CellKind::Water || (tooMany && k == CellKind::Block)) && !beside(key.reach, cell))
            ++far;
    }
    return far;
}

// Blocks off the target, pools left and pairs of blocks side by side, each
// at least one cast to put right, and the casts it takes to get at those
// out of reach, weighed by the measure.
int distance(const Stage& stage, const Board& b, const StateKey& key, const GoalMeasure& m) {
    const int touching = game::touchingPairs(JudgedBoard{b});
    int far = 0;
    if (m.reachWeight > 0)
        far = m.reachWeight *
              (m.far == Far::Casts ? castsToGetAt(stage, b, key) : outOfReach(stage, b, key));
    return std::abs(b.count(CellKind::Block) - stage.target) + b.count(CellKind::Water) + touching +
           far;
}

// As the exact search: no magic left at the end whatever the order.
bool cannotClear(const Stage& stage, const Board& b, int magic) {
    return game::outOfMagic(magic + mostGainLeft(stage.target, b.count(CellKind::Block),
                                                 b.count(CellKind::Water), b.count(CellKind::Sand)));
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

// What states met so far at each distance from the goal have shown: every
// cell with each thing it can hold, and every cell the character stood in
// or could walk to. A state that shows something not yet seen at its own
// distance is new there: it is the breadth of a plateau, the rest its depth.
class Novelties {
public:
    // Notes what the state shows; true when any of it is new at `goal`.
    bool see(const Board& b, const StateKey& key, int goal) {
        if (goal >= static_cast<int>(seen_.size())) seen_.resize(static_cast<std::size_t>(goal) + 1);
        Shown& shown = seen_[static_cast<std::size_t>(goal)];
        bool fresh = false;
        auto note = [&](std::size_t fact) {
            fresh = fresh || !shown[fact];
            shown[fact] = true;
        };
        for (int cell = 0; cell < kCells; ++cell)
            note(static_cast<std::size_t>(cell * kKinds + static_cast<int>(b.kind(cell))));
        for (int cell = 0; cell < kCells; ++cell)
            if (b.falling() ? cell == b.player() : inMask(key.reach, cell))
                note(static_cast<std::size_t>(kCells * kKinds + cell));
        return fresh;
    }

private:
    static constexpr int kKinds = static_cast<int>(CellKind::Wall) + 1;
    using Shown = std::bitset<kCells * (kKinds + 1)>;
    std::vector<Shown> seen_;
};

// A state with nothing new waits behind every state with something new.
constexpr int kNothingNew = 1 << 20;

// One goal-directed search, expanded a state at a time so that several,
// each weighing states its own way, can take turns.
class Probe {
public:
    Probe(const Stage& stage, int startMagic, const GoalMeasure& measure, Regions& regions)
        : stage_(stage), measure_(measure), regions_(regions) {
        add(stage_.start, kNone, startMagic, 0, -1, -1);
    }

    // Expands the nearest state; false once none is left, when this search
    // has looked everywhere its pruning lets it.
    bool step() {
        if (open_.empty()) return false;
        const std::uint32_t n = open_.top().node;
        open_.pop();
        expand(n);
        return true;
    }
    bool cleared() const { return cleared_; }
    std::size_t states() const { return states_; }
    // What the states take: the nodes, and the room the queue and the
    // table's slots take at their next growth.
    std::size_t bytes() const {
        // A vector that grows holds its old room and twice as much beside it.
        constexpr std::size_t kGrowth = 3;
        return nodes_.size() * sizeof(Node) + kGrowth * open_.capacity() * sizeof(Entry) +
               kGrowth * slots_.capacity() * sizeof(std::uint32_t);
    }
    std::vector<Cast> takeCasts() { return std::move(casts_); }

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

    // Queues a state unless it was met with as much magic or more; a richer
    // visit takes the place of the one before.
    void add(const Board& b, std::uint32_t parent, int magic, int casts, int from, int target) {
        const StateKey key = keyOf(stage_, b);
        std::uint32_t& slot = slotOf(key);
        const bool fresh = slot == kNone;
        if (!fresh) {
            if (nodes_[slot].magic >= magic) return;
            nodes_[slot].magic = kOvertaken;
        }
        const auto n = static_cast<std::uint32_t>(nodes_.size());
        slot = n;
        nodes_.push_back({key, parent, static_cast<std::int16_t>(magic),
                          static_cast<std::int16_t>(casts), static_cast<std::int8_t>(from),
                          static_cast<std::int8_t>(target), static_cast<std::int8_t>(b.player())});
        if (fresh && ++states_ * 4 > slots_.size() * 3) grow();  // `slot` moves
        const int goal = distance(stage_, b, key, measure_);
        int priority = measure_.goalWeight * goal + casts;
        if (measure_.novelty == Novelty::First && !fresh_.see(b, key, goal)) priority += kNothingNew;
        open_.push({priority, magic, n});
    }

    // The slot of `key`: the node that met it, or an empty slot where it goes.
    std::uint32_t& slotOf(const StateKey& key) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hashOf(key) >> shift_;; i = (i + 1) & mask) {
            std::uint32_t& slot = slots_[i];
            if (slot == kNone || nodes_[slot].key == key) return slot;
        }
    }

    // Twice the slots, kept at most three quarters full.
    void grow() {
        std::vector<std::uint32_t> old(slots_.size() * 2, kNone);
        old.swap(slots_);
        --shift_;
        for (std::uint32_t n : old)
            if (n != kNone) slotOf(nodes_[n].key) = n;
    }

    // What one expansion's casts share.
    struct From {
        std::uint32_t node;
        Board board;
        int magic, casts;
    };

    void expand(std::uint32_t n) {
        const Node& node = nodes_[n];
        // A richer visit of the same state came later and stands for it.
        if (node.magic == kOvertaken) return;
        const From x{n, node.board(), node.magic, node.casts};
        const SolidMap solid(stage_, x.board);
        if (x.board.falling()) {
            const int land = landing(solid, x.board.player());
            for (int at = x.board.player(); at != land && !cleared_; at += 9)
                castAround(x, at, false);
            Board landed = x.board;
            landed.setPlayer(land);
            landed.setFalling(false);
            add(landed, n, x.magic, x.casts, -1, -1);
            return;
        }
        const Reach reach = reachable(solid, x.board.player());
        for (int i = 0; i < reach.size && !cleared_; ++i)
            castAround(x, reach.order[static_cast<std::size_t>(i)], true);
    }

    // Casts on the cells beside the one `from` is taken for; falling, not on
    // the one below.
    void castAround(const From& x, int from, bool below) {
        const int cell = cellOf(from);
        const int c = columnOf(cell), r = rowOf(cell);
        if (r > 1) tryCast(x, from, cell - 9);
        if (c < 9) tryCast(x, from, cell + 1);
        if (c > 1) tryCast(x, from, cell - 1);
        if (below && r < 9) tryCast(x, from, cell + 9);
    }

    void tryCast(const From& x, int from, int target) {
        if (cleared_) return;
        const CastEffect e = castOn(stage_, x.board, from, target);
        const int magic = x.magic + e.magicDelta;
        const Outcome outcome = judge(stage_, e.board, magic);
        if (outcome == Outcome::Cleared) return finish(x.node, {from, target});
        // A wall changes nothing: the state is the one already queued.
        if (e.wall || outcome == Outcome::Lost || cannotClear(stage_, e.board, magic)) return;
        // The cast lands beside `from`, inside its region.
        if (lost(e.board, from, magic)) return;
        add(e.board, x.node, magic, x.casts + 1, from, target);
    }

    // As the exact search leaves them out: the board beyond the region of
    // `place` holds what no play can put right, or too little to gain.
    bool lost(const Board& b, int place, int magic) {
        const Regions::Region& region = regions_.of(place);
        return region.any &&
               lostBeyond(beyond(b, region, stage_.target), stage_.target, magic, b.counts());
    }

    void finish(std::uint32_t n, const Cast& last) {
        cleared_ = true;
        for (std::uint32_t at = n; nodes_[at].parent != kNone; at = nodes_[at].parent)
            if (nodes_[at].from >= 0) casts_.push_back({nodes_[at].from, nodes_[at].target});
        std::reverse(casts_.begin(), casts_.end());
        casts_.push_back(last);
    }

    const Stage& stage_;
    const GoalMeasure measure_;
    Regions& regions_;  // the portfolio's, worked out once for all its searches
    Novelties fresh_;
    // A deque grows a block at a time: never the old room and the new at once.
    std::deque<Node> nodes_;
    // The queue, and the room its vector has taken.
    struct Queue : std::priority_queue<Entry> {
        std::size_t capacity() const { return c.capacity(); }
    };
    // Each state met, as the node that met it with the most magic; the key is
    // read from the node, so a state costs the table four bytes a slot.
    std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(kFirstSlots, kNone);
    int shift_ = 64 - std::countr_zero(kFirstSlots);  // the hash's bits that pick a slot
    std::size_t states_ = 0;
    Queue open_;
    bool cleared_ = false;
    std::vector<Cast> casts_;
};

}  // namespace

// The searches take turns a state at a time, so the one whose measure suits
// the stage finds its clear at about as many states as it needs, times their
// number. The first clear ends them all, as does one that looked everywhere:
// each prunes only what the exact search prunes, so that one's miss is the
// same for all.
class Portfolio {
public:
    Portfolio(const Stage& stage, const BestFirstOptions& options)
        : options_(options), regions_(stage) {
        for (const GoalMeasure& m : kGoalMeasures)
            probes_.emplace_back(stage, options.startMagic, m, regions_);
    }

    BestFirstResult run(const Stage& stage) {
        advance(stage, options_.maxStates);
        return result();
    }

    // Takes turns until the searches have looked at more than `upTo` states
    // together: true when they stopped there and can go on, false when they
    // are over (a clear, everywhere looked at, out of memory or cancelled).
    bool advance(const Stage& stage, std::size_t upTo) {
        for (;; ++turn_) {
            if (turn_ % kCheckEvery == 0 && cancelRequested()) {
                result_.cancelled = true;
                return false;
            }
            // Every turn: a thousand turns can take megabytes.
            if (bytes() > budget_) {
                result_.outOfMemory = true;
                return false;
            }
            Probe& probe = probes_[next()];
            if (!probe.step()) return false;
            if (probe.cleared()) {
                result_.cleared = true;
                result_.casts = probe.takeCasts();
                result_.needs = neededMagic(stage, result_.casts);
                return false;
            }
            if (states() > upTo) {
                ++turn_;
                return true;
            }
        }
    }

    BestFirstResult result() const {
        BestFirstResult r = result_;
        r.states = states();
        return r;
    }
    void setMemoryBudget(std::size_t bytes) { budget_ = bytes; }

    std::size_t states() const {
        std::size_t sum = 0;
        for (const Probe& p : probes_) sum += p.states();
        return sum;
    }
    std::size_t bytes() const {
        std::size_t sum = 0;
        for (const Probe& p : probes_) sum += p.bytes();
        return sum;
    }

private:
    // Whose turn it is: each probe for its measure's turns, then the next.
    std::size_t next() {
        if (++taken_ >= kGoalMeasures[current_].turns) {
            taken_ = 0;
            current_ = (current_ + 1) % probes_.size();
        }
        return current_;
    }

    // Publishes the states looked at since the last look, as the exact
    // search does, and reads the request to stop.
    bool cancelRequested() {
        if (options_.control == nullptr) return false;
        const std::size_t now = states();
        options_.control->states.fetch_add(now - published_, std::memory_order_relaxed);
        published_ = now;
        return options_.control->cancel.load(std::memory_order_relaxed);
    }

    BestFirstOptions options_;
    Regions regions_;  // before the searches that share it
    std::vector<Probe> probes_;
    std::size_t budget_ = options_.memoryBudget;
    std::size_t turn_ = 0;
    BestFirstResult result_;
    std::size_t current_ = 0;
    int taken_ = -1;  // the turns the current probe has taken
    std::size_t published_ = 0;  // states already added to the control's count
};

BestFirstResult bestFirst(const Stage& stage, const BestFirstOptions& options) {
    return Portfolio(stage, options).run(stage);
}

GoalSearch::GoalSearch(const Stage& stage, const BestFirstOptions& options)
    : stage_(stage), portfolio_(std::make_unique<Portfolio>(stage, options)) {}
GoalSearch::~GoalSearch() = default;
bool GoalSearch::advance(std::size_t upTo) { return portfolio_->advance(stage_, upTo); }
void GoalSearch::setMemoryBudget(std::size_t bytes) { portfolio_->setMemoryBudget(bytes); }
std::size_t GoalSearch::bytes() const { return portfolio_->bytes(); }
BestFirstResult GoalSearch::result() const { return portfolio_->result(); }

}  // namespace solver
