#include "search.h"

#include <bit>

#include "moves.h"

namespace solver {

CastEffect castOn(const Stage& stage, const Board& board, int from, int target) {
    CastEffect e;
    e.board = board;
    if (stage.wall[static_cast<std::size_t>(target)]) {
        e.wall = true;
    } else {
        switch (board.kind(target)) {
            case Water:
                e.magicDelta = -2, e.board.set(target, Empty);
                break;
            case Sand:
                e.magicDelta = 8, e.board.set(target, Empty);
                break;
            case Block:
                e.magicDelta = 1, e.board.set(target, Empty);
                break;
            default:
                e.magicDelta = -2, e.board.set(target, Block);
                break;
        }
    }
    int at = from;
    if (target == from + 9) at = landing(SolidMap(stage, e.board), from);
    e.board.setPlayer(at);
    return e;
}

Outcome judge(const Stage& stage, const Board& after, int magicAfter) {
    const bool out = magicAfter <= 0;
    if (after.count(Block) != stage.target) return out ? Outcome::Lost : Outcome::Going;
    if (out || after.count(Water) != 0) return Outcome::Lost;
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

// Open addressing over node numbers; equality compares the whole packed key.
class StateTable {
public:
    explicit StateTable(const std::vector<Node>& nodes) : nodes_(nodes) {
        slots_.assign(1 << 16, kNone);
    }
    // The slot holding the board, or the empty slot where it belongs.
    std::uint32_t& slot(const Board& b) {
        if (2 * (size_ + 1) > slots_.size()) grow();
        return find(b);
    }
    void added() { ++size_; }
    std::size_t size() const { return size_; }

private:
    static std::uint64_t hash(const Board& b) {
        std::uint64_t h = b.w[0] * 0x9E3779B97F4A7C15ULL;
        h ^= std::rotl(b.w[1] * 0xC2B2AE3D27D4EB4FULL, 23);
        h ^= std::rotl(b.w[2] * 0x165667B19E3779F9ULL, 47);
        return h ^ (h >> 29);
    }
    std::uint32_t& find(const Board& b) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash(b) & mask;; i = (i + 1) & mask) {
            std::uint32_t& s = slots_[i];
            if (s == kNone || nodes_[s].board == b) return s;
        }
    }
    void grow() {
        std::vector<std::uint32_t> old;
        old.swap(slots_);
        slots_.assign(old.size() * 2, kNone);
        for (std::uint32_t s : old)
            if (s != kNone) find(nodes_[s].board) = s;
    }
    const std::vector<Node>& nodes_;
    std::vector<std::uint32_t> slots_;
    std::size_t size_ = 0;
};

std::vector<Cast> pathTo(const std::vector<Node>& nodes, std::uint32_t n) {
    std::vector<Cast> casts;
    for (; nodes[n].parent != kNone; n = nodes[n].parent)
        casts.push_back({nodes[n].from, nodes[n].target});
    return {casts.rbegin(), casts.rend()};
}

}  // namespace

SearchResult search(const Stage& stage, const SearchOptions& options) {
    SearchResult result;
    std::vector<Node> nodes;
    StateTable table(nodes);
    nodes.push_back({stage.start, kNone, static_cast<std::int16_t>(options.startMagic), -1, -1});
    table.slot(stage.start) = 0;
    table.added();

    auto finish = [&](std::uint32_t parent, const Cast& last, int magicLeft) {
        result.cleared = true;
        result.casts = pathTo(nodes, parent);
        result.casts.push_back(last);
        result.magicLeft = magicLeft;
    };

    for (std::uint32_t head = 0; head < nodes.size(); ++head) {
        const Node node = nodes[head];
        if (table.slot(node.board) != head) continue;  // overtaken by a richer visit
        const Board board = node.board;
        const SolidMap solid(stage, board);
        const Reach reach = reachable(solid, board.player());
        const int blocks = board.count(Block);
        for (int i = 0; i < reach.size; ++i) {
            const int from = reach.order[static_cast<std::size_t>(i)];
            const int c = columnOf(from), r = rowOf(from);
            const int targets[4] = {r > 1 ? from - 9 : -1, c < 9 ? from + 1 : -1,
                                    c > 1 ? from - 1 : -1, r < 9 ? from + 9 : -1};
            for (int target : targets) {
                if (target < 0) continue;
                if (stage.wall[static_cast<std::size_t>(target)]) {
                    // A wall changes nothing, but still runs the goal check.
                    if (blocks != stage.target) continue;
                    Board same = board;
                    same.setPlayer(from);
                    if (judge(stage, same, node.magic) == Outcome::Cleared && !result.cleared)
                        finish(head, {from, target}, node.magic);
                    continue;
                }
                const CastEffect e = castOn(stage, board, from, target);
                const int magic = node.magic + e.magicDelta;
                const Outcome outcome = judge(stage, e.board, magic);
                if (outcome == Outcome::Cleared && !result.cleared)
                    finish(head, {from, target}, magic);
                if (outcome != Outcome::Going) continue;
                std::uint32_t& slot = table.slot(e.board);
                if (slot != kNone && nodes[slot].magic >= magic) continue;
                if (slot == kNone) table.added();
                slot = static_cast<std::uint32_t>(nodes.size());
                nodes.push_back({e.board, head, static_cast<std::int16_t>(magic),
                                 static_cast<std::int8_t>(from), static_cast<std::int8_t>(target)});
            }
            if (result.cleared && options.stopAtClear) break;
        }
        if (result.cleared && options.stopAtClear) break;
        if (table.size() > options.maxStates) {
            result.exhausted = false;
            break;
        }
    }
    result.states = table.size();
    return result;
}

}  // namespace solver
