#include "search.h"

#include <algorithm>
#include <bit>

#include "moves.h"

namespace solver {

CastEffect castOn(const Stage& stage, const Board& board, int from, int target) {
    CastEffect e;
    e.board = board;
    if (target == from - 9) e.move |= moves::kCastAbove;
    if (target == from + 9) e.move |= moves::kCastFloor;
    if (stage.wall[static_cast<std::size_t>(target)]) {
        e.wall = true;
    } else {
        switch (board.kind(target)) {
            case Water:
                e.magicDelta = -2, e.board.set(target, Empty), e.move |= moves::kClearWater;
                break;
            case Sand:
                e.magicDelta = 8, e.board.set(target, Empty), e.move |= moves::kSand;
                break;
            case Block:
                e.magicDelta = 1, e.board.set(target, Empty);
                e.move |= stage.letter[static_cast<std::size_t>(target)] == 'B' ? moves::kRemove
                                                                                : moves::kTakeBack;
                break;
            default:
                e.magicDelta = -2, e.board.set(target, Block), e.move |= moves::kPlace;
                break;
        }
    }
    e.board.setPlayer(from);
    // The floor gone, the character falls through `from` and may cast on the way.
    if (target == from + 9 && !e.wall) e.board.setFalling(true);
    return e;
}

Outcome judge(const Stage& stage, const Board& after, int magicAfter, bool earlyCountLoses) {
    const bool out = magicAfter <= 0;
    if (after.count(Block) != stage.target) return out ? Outcome::Lost : Outcome::Going;
    if (out) return Outcome::Lost;
    if (after.count(Water) != 0) return earlyCountLoses ? Outcome::Lost : Outcome::Going;
    for (int cell = 0; cell < kCells; ++cell) {
        if (after.kind(cell) != Block) continue;
        const int c = columnOf(cell), r = rowOf(cell);
        if (c < 9 && after.kind(cell + 1) == Block) return Outcome::Lost;
        if (r < 9 && after.kind(cell + 9) == Block) return Outcome::Lost;
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

// Open addressing over node numbers. A slot keeps 32 bits of the key's hash
// beside the node number, so most misses never touch the node.
class StateTable {
public:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t node = kNone;
    };
    explicit StateTable(const std::vector<Node>& nodes) : nodes_(nodes) { slots_.resize(1 << 16); }
    // The slot holding the board, or the empty slot where it belongs.
    Slot& slot(const Board& b) {
        if (2 * (size_ + 1) > slots_.size()) grow();
        return find(b, hash(b));
    }
    void added() { ++size_; }
    std::size_t size() const { return size_; }

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
    void grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.node != kNone)
                find(nodes_[s.node].board, hash(nodes_[s.node].board)).node = s.node;
    }
    const std::vector<Node>& nodes_;
    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

std::vector<Cast> pathTo(const std::vector<Node>& nodes, std::uint32_t n) {
    std::vector<Cast> casts;
    for (; nodes[n].parent != kNone; n = nodes[n].parent)
        if (nodes[n].from >= 0) casts.push_back({nodes[n].from, nodes[n].target});
    return {casts.rbegin(), casts.rend()};
}

}  // namespace

namespace {

// The start magic a path needs when its casts change magic by `deltas` in turn.
int neededMagic(const std::vector<int>& deltas) {
    int sum = 0, lowest = 0;
    for (int d : deltas) lowest = std::min(lowest, sum += d);
    return std::max(1, 1 - lowest);
}

}  // namespace

SearchResult search(const Stage& stage, const SearchOptions& options) {
    SearchResult result;
    std::vector<Node> nodes;
    StateTable table(nodes);
    nodes.push_back({stage.start, kNone, static_cast<std::int16_t>(options.startMagic), -1, -1});
    table.slot(stage.start).node = 0;
    table.added();
    const bool collect = !options.stopAtClear && options.finalBoardCap > 0;

    auto finish = [&](std::uint32_t parent, const Cast& last, int magicLeft, const Board& end) {
        if (collect) {
            Board b = end;
            b.setPlayer(0);
            b.setFalling(false);
            if (result.finalBoards.size() < options.finalBoardCap &&
                std::find(result.finalBoards.begin(), result.finalBoards.end(), b) ==
                    result.finalBoards.end())
                result.finalBoards.push_back(b);
        }
        if (result.cleared) return;
        result.cleared = true;
        result.casts = pathTo(nodes, parent);
        result.casts.push_back(last);
        result.magicLeft = magicLeft;
        std::vector<int> deltas;
        Board b = stage.start;
        for (const Cast& c : result.casts) {
            const CastEffect e = castOn(stage, b, c.from, c.target);
            deltas.push_back(e.magicDelta);
            b = e.board;
        }
        result.needs = neededMagic(deltas);
    };
    auto stop = [&] { return result.cleared && options.stopAtClear; };
    // Queues a state unless it was already reached with as much magic or more.
    auto enqueue = [&](const Board& b, std::uint32_t parent, int magic, int from, int target) {
        StateTable::Slot& slot = table.slot(b);
        if (slot.node != kNone && nodes[slot.node].magic >= magic) return;
        if (slot.node == kNone)
            table.added();
        else
            nodes[slot.node].magic = kOvertaken;
        slot.node = static_cast<std::uint32_t>(nodes.size());
        nodes.push_back({b, parent, static_cast<std::int16_t>(magic),
                         static_cast<std::int8_t>(from), static_cast<std::int8_t>(target)});
    };

    for (std::uint32_t head = 0; head < nodes.size() && !stop(); ++head) {
        const Node node = nodes[head];
        if (node.magic == kOvertaken) continue;
        const Board board = node.board;
        const SolidMap solid(stage, board);
        const int blocks = board.count(Block);
        const int water = board.count(Water), sand = board.count(Sand);

        auto tryCast = [&](int from, int target) {
            if (stage.wall[static_cast<std::size_t>(target)]) {
                // A wall changes nothing, but still runs the goal check.
                if (blocks != stage.target) return;
                Board same = board;
                same.setPlayer(from);
                if (judge(stage, same, node.magic, options.earlyCountLoses) == Outcome::Cleared)
                    finish(head, {from, target}, node.magic, same);
                return;
            }
            const CastEffect e = castOn(stage, board, from, target);
            if ((e.move & options.allowed) != e.move) return;
            const int magic = node.magic + e.magicDelta;
            const int b = blocks + ((e.move & moves::kPlace) ? 1 : 0) -
                          ((e.move & (moves::kRemove | moves::kTakeBack)) ? 1 : 0);
            // The goal check looks further only when the count meets the target.
            const Outcome outcome = magic <= 0 ? Outcome::Lost
                                    : b != stage.target
                                        ? Outcome::Going
                                        : judge(stage, e.board, magic, options.earlyCountLoses);
            if (outcome == Outcome::Cleared) finish(head, {from, target}, magic, e.board);
            if (outcome != Outcome::Going) return;
            // Whatever the order, a clear spends 2 on each pool and each block
            // still wanted, gains 1 on each block too many, and sand pays at
            // most 8 a cell: a state that cannot end with magic left is no way on.
            const int w = water - ((e.move & moves::kClearWater) ? 1 : 0);
            const int sd = sand - ((e.move & moves::kSand) ? 1 : 0);
            const int settle = b <= stage.target ? 2 * (b - stage.target) : b - stage.target;
            if (magic + 8 * sd - 2 * w + settle < 1) return;
            enqueue(e.board, head, magic, from, target);
        };

        if (board.falling()) {
            // Every cell passed on the way down, then the landing without a cast.
            const int land = landing(solid, board.player());
            for (int at = board.player(); at != land && !stop(); at += 9) {
                const int c = columnOf(at), r = rowOf(at);
                if (r > 1) tryCast(at, at - 9);
                if (c < 9) tryCast(at, at + 1);
                if (c > 1) tryCast(at, at - 1);
            }
            Board landed = board;
            landed.setPlayer(land);
            landed.setFalling(false);
            enqueue(landed, head, node.magic, -1, -1);
            continue;
        }

        const Reach reach = reachable(solid, board.player(), options.allowed);
        result.exits |= reach.exits;
        if (reach.leaves >= 0 && result.leaves < 0) {
            result.leaves = reach.leaves;
            result.leavesBoard = board;
        }
        for (int i = 0; i < reach.size && !stop(); ++i) {
            const int from = reach.order[static_cast<std::size_t>(i)];
            const int c = columnOf(from), r = rowOf(from);
            if (r > 1) tryCast(from, from - 9);
            if (c < 9) tryCast(from, from + 1);
            if (c > 1) tryCast(from, from - 1);
            if (r < 9) tryCast(from, from + 9);
        }
        if (table.size() > options.maxStates) {
            result.exhausted = false;
            break;
        }
    }
    result.states = table.size();
    return result;
}

}  // namespace solver
