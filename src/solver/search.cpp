#include "solver/search.h"

#include <algorithm>
#include <bit>

#include "game/rules.h"
#include "solver/moves.h"

namespace solver {

namespace rules = game::rules;

CastEffect castOn(const Stage& stage, const Board& board, int from, int target) {
    CastEffect e;
    e.board = board;
    if (target == from - 9) e.move |= moves::kCastAbove;
    if (target == from + 9) e.move |= moves::kCastFloor;
    if (stage.wall[static_cast<std::size_t>(target)]) {
        e.wall = true;
    } else {
        switch (board.kind(target)) {
            case CellKind::Water:
                e.magicDelta = -rules::kClearWaterCost, e.board.set(target, CellKind::Empty);
                e.move |= moves::kClearWater;
                break;
            case CellKind::Sand:
                e.magicDelta = rules::kSandGain, e.board.set(target, CellKind::Empty),
                e.move |= moves::kSand;
                break;
            case CellKind::Block:
                e.magicDelta = rules::kRemoveBlockGain, e.board.set(target, CellKind::Empty);
                e.move |= stage.ownBlock(target) ? moves::kRemove : moves::kTakeBack;
                break;
            default:
                e.magicDelta = -rules::kPlaceBlockCost, e.board.set(target, CellKind::Block);
                e.move |= moves::kPlace;
                break;
        }
    }
    e.board.setPlayer(from);
    // The floor gone, the character falls through `from` and may cast on the way.
    if (target == from + 9 && !e.wall) e.board.setFalling(true);
    return e;
}

Outcome judge(const Stage& stage, const Board& after, int magicAfter, bool earlyCountLoses) {
    const bool out = magicAfter < rules::kLeastMagicLeft;
    if (after.count(CellKind::Block) != stage.target) return out ? Outcome::Lost : Outcome::Going;
    if (out) return Outcome::Lost;
    if (after.count(CellKind::Water) != 0) return earlyCountLoses ? Outcome::Lost : Outcome::Going;
    for (int cell = 0; cell < kCells; ++cell) {
        if (after.kind(cell) != CellKind::Block) continue;
        const int c = columnOf(cell), r = rowOf(cell);
        if (c < 9 && after.kind(cell + 1) == CellKind::Block) return Outcome::Lost;
        if (r < 9 && after.kind(cell + 9) == CellKind::Block) return Outcome::Lost;
    }
    return Outcome::Cleared;
}

namespace {

struct Node {
    Board board;
    std::uint32_t parent;
    std::int16_t magic;
    std::int8_t from;
    std::int8_t target;
};

constexpr std::uint32_t kNone = 0xFFFFFFFFu;
// A node's magic once a richer visit of its state took its place.
constexpr std::int16_t kOvertaken = -32768;

// How many entries a table moves to larger slots between looks at a cancel:
// a large table takes tens of milliseconds to move.
constexpr std::size_t kGrowCheckEvery = 8192;

// Open addressing over node numbers. A slot keeps 32 bits of the key's hash
// beside the node number, so most misses never touch the node.
class StateTable {
public:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t node = kNone;
    };
    StateTable(const std::vector<Node>& nodes, const std::atomic<bool>* cancel)
        : nodes_(nodes), cancel_(cancel) {
        slots_.resize(1 << 16);
    }
    // The slot holding the board, or the empty slot where it belongs.
    Slot& slot(const Board& b) {
        if (2 * (size_ + 1) > slots_.size()) grow();
        return find(b, hash(b));
    }
    void added() { ++size_; }
    std::size_t size() const { return size_; }
    // A cancel came while it grew: it no longer knows every state.
    bool abandoned() const { return abandoned_; }

private:
    static std::uint64_t hash(const Board& b) {
        std::uint64_t h = b.w[0] * 0x9E3779B97F4A7C15ULL;
        h ^= std::rotl(b.w[1] * 0xC2B2AE3D27D4EB4FULL, 23);
        h ^= std::rotl(b.w[2] * 0x165667B19E3779F9ULL, 47);
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDULL;
        return h ^ (h >> 33);
    }
    Slot& find(const Board& b, std::uint64_t h) {
        const std::size_t mask = slots_.size() - 1;
        const auto tag = static_cast<std::uint32_t>(h >> 32);
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            Slot& s = slots_[i];
            if (s.node == kNone) {
                s.tag = tag;
                return s;
            }
            if (s.tag == tag && nodes_[s.node].board == b) return s;
        }
    }
    // Every node not overtaken is in the table once: moving them in node
    // order reads the nodes one after the other, not at random.
    void grow() {
        if (cancelled()) return;
        slots_.assign(slots_.size() * 2, Slot{});
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t n = 0; n < nodes_.size(); ++n) {
            if (n % kGrowCheckEvery == 0 && cancelled()) return;
            if (nodes_[n].magic == kOvertaken) continue;
            const std::uint64_t h = hash(nodes_[n].board);
            std::size_t i = h & mask;
            while (slots_[i].node != kNone) i = (i + 1) & mask;
            slots_[i] = {static_cast<std::uint32_t>(h >> 32), static_cast<std::uint32_t>(n)};
        }
    }
    // Seen once, the table stops growing; the search stops at its next step.
    bool cancelled() {
        abandoned_ = cancel_ != nullptr && cancel_->load(std::memory_order_relaxed);
        return abandoned_;
    }

    const std::vector<Node>& nodes_;
    const std::atomic<bool>* cancel_;
    std::vector<Slot> slots_;
    std::size_t size_ = 0;
    bool abandoned_ = false;
};

std::vector<Cast> pathTo(const std::vector<Node>& nodes, std::uint32_t n) {
    std::vector<Cast> casts;
    for (; nodes[n].parent != kNone; n = nodes[n].parent)
        if (nodes[n].from >= 0) casts.push_back({nodes[n].from, nodes[n].target});
    return {casts.rbegin(), casts.rend()};
}

// The start magic a path needs when its casts change magic by `deltas` in turn.
int neededMagic(const std::vector<int>& deltas) {
    int sum = 0, lowest = 0;
    for (int d : deltas) lowest = std::min(lowest, sum += d);
    return std::max(rules::kLeastMagicLeft, rules::kLeastMagicLeft - lowest);
}

// A thousand states take well under a millisecond to expand: a cancel is seen
// that soon, and the count is published no more often, so that two threads
// do not fight over its cache line.
constexpr std::uint32_t kCheckEvery = 1024;

// One breadth-first search: the queue of nodes doubles as the record of how
// each state was reached.
class Search {
public:
    Search(const Stage& stage, const SearchOptions& options)
        : stage_(stage),
          options_(options),
          table_(nodes_, options.control ? &options.control->cancel : nullptr),
          collect_(!options.stopAtClear && options.finalBoardCap > 0) {}

    SearchResult run() {
        nodes_.push_back(
            {stage_.start, kNone, static_cast<std::int16_t>(options_.startMagic), -1, -1});
        table_.slot(stage_.start).node = 0;
        table_.added();
        for (std::uint32_t head = 0; head < nodes_.size() && !stopped(); ++head) {
            if (head % kCheckEvery == 0 && !carryOn()) break;
            expand(head);
            if (table_.size() > options_.maxStates) {
                result_.ending.cutShort = true;
                break;
            }
        }
        if (table_.abandoned()) result_ = cancelled();
        result_.states = table_.size();
        publishProgress();
        return std::move(result_);
    }

private:
    // What every cast from one state shares.
    struct Expansion {
        std::uint32_t head;
        Node node;
        SolidMap solid;
        int blocks, water, sand;
    };

    bool stopped() const { return (result_.cleared && options_.stopAtClear) || table_.abandoned(); }

    // Publishes the count and reads the request to stop; a stopped search
    // claims nothing about what it did not reach.
    bool carryOn() {
        if (options_.control == nullptr) return true;
        publishProgress();
        if (!options_.control->cancel.load(std::memory_order_relaxed)) return true;
        result_ = cancelled();
        return false;
    }

    static SearchResult cancelled() {
        SearchResult r;
        r.ending.cancelled = true;
        return r;
    }

    void publishProgress() {
        if (options_.control == nullptr) return;
        options_.control->states.fetch_add(table_.size() - published_, std::memory_order_relaxed);
        published_ = table_.size();
    }

    void expand(std::uint32_t head) {
        // A copy: queuing may move the nodes.
        const Node node = nodes_[head];
        if (node.magic == kOvertaken) return;
        const Board& board = node.board;
        const Expansion x{head,
                          node,
                          SolidMap(stage_, board),
                          board.count(CellKind::Block),
                          board.count(CellKind::Water),
                          board.count(CellKind::Sand)};
        if (board.falling())
            expandFall(x);
        else
            expandStanding(x);
    }

    // Every cell passed on the way down, then the landing without a cast.
    void expandFall(const Expansion& x) {
        const int land = landing(x.solid, x.node.board.player());
        for (int at = x.node.board.player(); at != land && !stopped(); at += 9) {
            const int c = columnOf(at), r = rowOf(at);
            if (r > 1) tryCast(x, at, at - 9);
            if (c < 9) tryCast(x, at, at + 1);
            if (c > 1) tryCast(x, at, at - 1);
        }
        Board landed = x.node.board;
        landed.setPlayer(land);
        landed.setFalling(false);
        enqueue(landed, x.head, x.node.magic, -1, -1);
    }

    // Every cell in walking reach casts on each of its neighbours.
    void expandStanding(const Expansion& x) {
        const Reach reach = reachable(x.solid, x.node.board.player(), options_.allowed);
        result_.exits |= reach.exits;
        if (reach.leaves >= 0 && result_.leaves < 0) {
            result_.leaves = reach.leaves;
            result_.leavesBoard = x.node.board;
        }
        for (int i = 0; i < reach.size && !stopped(); ++i) {
            const int from = reach.order[static_cast<std::size_t>(i)];
            const int c = columnOf(from), r = rowOf(from);
            if (r > 1) tryCast(x, from, from - 9);
            if (c < 9) tryCast(x, from, from + 1);
            if (c > 1) tryCast(x, from, from - 1);
            if (r < 9) tryCast(x, from, from + 9);
        }
    }

    // A wall changes nothing, but still runs the goal check.
    void castOnWall(const Expansion& x, int from, int target) {
        if (x.blocks != stage_.target) return;
        Board same = x.node.board;
        same.setPlayer(from);
        if (judge(stage_, same, x.node.magic, options_.earlyCountLoses) == Outcome::Cleared)
            finish(x.head, {from, target}, x.node.magic, same);
    }

    void tryCast(const Expansion& x, int from, int target) {
        if (stage_.wall[static_cast<std::size_t>(target)]) return castOnWall(x, from, target);
        const CastEffect e = castOn(stage_, x.node.board, from, target);
        if ((e.move & options_.allowed) != e.move) return;
        const int magic = x.node.magic + e.magicDelta;
        const int blocks = x.blocks + ((e.move & moves::kPlace) ? 1 : 0) -
                           ((e.move & (moves::kRemove | moves::kTakeBack)) ? 1 : 0);
        // The goal check looks further only when the count meets the target.
        const Outcome outcome = magic < rules::kLeastMagicLeft ? Outcome::Lost
                                : blocks != stage_.target
                                    ? Outcome::Going
                                    : judge(stage_, e.board, magic, options_.earlyCountLoses);
        if (outcome == Outcome::Cleared) finish(x.head, {from, target}, magic, e.board);
        if (outcome != Outcome::Going || cannotClear(x, e, magic, blocks)) return;
        enqueue(e.board, x.head, magic, from, target);
    }

    // Whatever the order, a clear pays for each pool and each block still
    // wanted, gains on each block too many, and sand pays at most its own:
    // a state that cannot end with magic left is no way on.
    bool cannotClear(const Expansion& x, const CastEffect& e, int magic, int blocks) const {
        const int water = x.water - ((e.move & moves::kClearWater) ? 1 : 0);
        const int sand = x.sand - ((e.move & moves::kSand) ? 1 : 0);
        const int settle = blocks <= stage_.target
                               ? rules::kPlaceBlockCost * (blocks - stage_.target)
                               : rules::kRemoveBlockGain * (blocks - stage_.target);
        return magic + rules::kSandGain * sand - rules::kClearWaterCost * water + settle <
               rules::kLeastMagicLeft;
    }

    // Queues a state unless it was already reached with as much magic or more.
    void enqueue(const Board& b, std::uint32_t parent, int magic, int from, int target) {
        StateTable::Slot& slot = table_.slot(b);
        if (table_.abandoned()) return;  // the slot may belong to a full table
        if (slot.node != kNone && nodes_[slot.node].magic >= magic) return;
        if (slot.node == kNone)
            table_.added();
        else
            nodes_[slot.node].magic = kOvertaken;
        slot.node = static_cast<std::uint32_t>(nodes_.size());
        nodes_.push_back({b, parent, static_cast<std::int16_t>(magic),
                          static_cast<std::int8_t>(from), static_cast<std::int8_t>(target)});
    }

    // A clear: the first one found is the solution; with boards collected,
    // every clear adds the board it ends on.
    void finish(std::uint32_t parent, const Cast& last, int magicLeft, const Board& end) {
        if (collect_) collectFinalBoard(end);
        if (result_.cleared) return;
        result_.cleared = true;
        result_.casts = pathTo(nodes_, parent);
        result_.casts.push_back(last);
        result_.magicLeft = magicLeft;
        result_.needs = neededMagic(magicDeltas(result_.casts));
    }

    void collectFinalBoard(const Board& end) {
        Board b = end;
        b.setPlayer(0);
        b.setFalling(false);
        auto& boards = result_.finalBoards;
        if (boards.size() < options_.finalBoardCap &&
            std::find(boards.begin(), boards.end(), b) == boards.end())
            boards.push_back(b);
    }

    std::vector<int> magicDeltas(const std::vector<Cast>& casts) const {
        std::vector<int> deltas;
        Board b = stage_.start;
        for (const Cast& c : casts) {
            const CastEffect e = castOn(stage_, b, c.from, c.target);
            deltas.push_back(e.magicDelta);
            b = e.board;
        }
        return deltas;
    }

    const Stage& stage_;
    const SearchOptions& options_;
    std::vector<Node> nodes_;
    StateTable table_;
    const bool collect_;
    SearchResult result_;
    std::size_t published_ = 0;  // states already added to the control's count
};

}  // namespace

SearchResult search(const Stage& stage, const SearchOptions& options) {
    return Search(stage, options).run();
}

}  // namespace solver
