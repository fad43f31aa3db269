#include "solver/search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <optional>

#include "game/cast.h"
#include "game/rules.h"
#include "solver/moves.h"
#include "solver/refute.h"

namespace solver {

namespace rules = game::rules;

namespace {

// What a cast does to the open cell it lands on, and the move it counts as.
struct CellChange : game::CastChange {
    unsigned move;
};

unsigned moveOf(CellKind before) {
    switch (before) {
        case CellKind::Water:
            return moves::kClearWater;
        case CellKind::Sand:
            return moves::kSand;
        case CellKind::Block:
            return moves::kRemove;
        default:
            return moves::kPlace;
    }
}

// Every change an open cell's kind can see, worked out once: the search asks
// for one at every cast.
const std::array<CellChange, 4> kChanges = [] {
    std::array<CellChange, 4> all{};
    for (std::size_t k = 0; k < all.size(); ++k) {
        const auto kind = static_cast<CellKind>(k);
        all[k] = {game::castChange(kind), moveOf(kind)};
    }
    return all;
}();

CellChange changeOf(const Stage& stage, CellKind before, int target) {
    CellChange change = kChanges[static_cast<std::size_t>(before)];
    if (before == CellKind::Block && !stage.ownBlock(target)) change.move = moves::kTakeBack;
    return change;
}

// The moves a cast counts as for the way it points.
unsigned directionMoves(int from, int target) {
    return (target == from - 9 ? moves::kCastAbove : 0u) |
           (target == from + 9 ? moves::kCastFloor : 0u);
}

}  // namespace

CastEffect castOn(const Stage& stage, const Board& board, int from, int target) {
    CastEffect e;
    e.board = board;
    e.move = directionMoves(from, target);
    if (stage.wall[static_cast<std::size_t>(target)]) {
        e.wall = true;
    } else {
        const CellChange change = changeOf(stage, board.kind(target), target);
        e.board.set(target, change.after);
        e.magicDelta = change.magic;
        e.move |= change.move;
    }
    e.board.setPlayer(from);
    // The floor gone, the character falls through `from` and may cast on the way.
    if (target == from + 9 && !e.wall) e.board.setFalling(true);
    return e;
}

int mostGainLeft(int target, int blocks, int water, int sand) {
    using game::magicOf;
    const int settle = blocks <= target ? magicOf(CellKind::Empty) * (target - blocks)
                                        : magicOf(CellKind::Block) * (blocks - target);
    return magicOf(CellKind::Sand) * sand + magicOf(CellKind::Water) * water + settle;
}

namespace {

// A packed board as the checks after a cast read it.
struct JudgedBoard {
    const Board& board;
    int water() const { return board.count(CellKind::Water); }
    bool blockAt(int c, int r) const {
        return c <= 9 && r <= 9 && board.kind(cellIndex(c, r)) == CellKind::Block;
    }
};

}  // namespace

Outcome judge(const Stage& stage, const Board& after, int magicAfter, bool earlyCountLoses) {
    return game::judgeCast(magicAfter, after.count(CellKind::Block), stage.target, JudgedBoard{after})
        .outcome(earlyCountLoses);
}

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;
// A node's magic once a richer visit of its state took its place.
constexpr std::int16_t kOvertaken = -32768;

// A state as the table keeps it: as few words as the stage's changing cells
// need, never more than these.
constexpr int kMaxWords = 3;
constexpr int kWordBits = 64;
using Key = std::array<std::uint64_t, kMaxWords>;

// The cells a cast can ever change. The character stands on, walks along,
// climbs through and falls through open cells only, each next to the one
// before: a step goes one column across, a climb one row up and then one
// column across (both cells open), a fall one row down; a walk that leaves
// the board is no move the search follows. So it is only ever on open cells
// joined to its start through open neighbours, and a cast reaches only a
// neighbour of such a cell. Any other cell holds its start kind on every
// board the search meets, and walls never change at all.
std::array<bool, kCells> changingCells(const Stage& stage) {
    std::array<bool, kCells> joined{}, changes{};
    std::vector<int> todo{stage.start.player()};
    joined[static_cast<std::size_t>(todo.front())] = true;
    auto neighbours = [](int cell, auto&& visit) {
        const int c = columnOf(cell), r = rowOf(cell);
        if (r > 1) visit(cell - 9);
        if (r < 9) visit(cell + 9);
        if (c > 1) visit(cell - 1);
        if (c < 9) visit(cell + 1);
    };
    while (!todo.empty()) {
        const int cell = todo.back();
        todo.pop_back();
        neighbours(cell, [&](int n) {
            const auto i = static_cast<std::size_t>(n);
            if (stage.wall[i]) return;
            changes[i] = true;
            if (!joined[i]) joined[i] = true, todo.push_back(n);
        });
    }
    return changes;
}

// What the character can still get at from the cell it is on, whatever the
// board turns into: everReachable moves the start there. Every cell it will
// stand on, walk, climb or fall through, or cast from, lies in that region,
// since each move takes it to a cell the region's walk takes too, and every
// cell it casts on is beside one of those (see refute.h). A cell outside the
// cells so touched keeps what it holds now on every board that follows. The
// region of any cell in it lies within it, so the region only ever shrinks.
class Regions {
public:
    using Bits = std::array<std::uint64_t, 3>;
    struct Region {
        // Both bits of every cell no cast can reach any more that may hold
        // something: it held something at the start, or a cast could change it.
        Bits outside{};
        bool any = false;  // whether there is such a cell
        int mayLeave = 0;  // the ways off the board a walk in it could take
        bool known = false;
    };
    explicit Regions(const Stage& stage) : probe_(stage), changes_(changingCells(stage)) {}

    const Region& of(int cell) {
        Region& r = regions_[static_cast<std::size_t>(cell)];
        if (!r.known) r = find(cell);
        return r;
    }

private:
    // A walk leaves past column 1 only when it stands in column 1, and over
    // the top only when it climbs from row 1 (see walkOneWay).
    Region find(int cell) {
        probe_.start.setPlayer(cell);
        const Reachable reach = everReachable(probe_);
        Region r;
        r.known = true;
        for (int c = 0; c < kCells; ++c) {
            const auto i = static_cast<std::size_t>(c);
            const bool holds = !probe_.wall[i] &&
                               (changes_[i] || probe_.start.kind(c) != CellKind::Empty);
            if (!reach.touch[i] && holds) {
                r.outside[static_cast<std::size_t>(c >> 5)] |= std::uint64_t{3} << ((c & 31) * 2);
                r.any = true;
            }
            if (!reach.occupy[i]) continue;
            if (rowOf(c) == 1) r.mayLeave |= kOffTop;
            if (columnOf(c) == 1) r.mayLeave |= kOffLeft;
        }
        return r;
    }

    Stage probe_;  // the stage, its start moved to the cell asked about
    std::array<bool, kCells> changes_;
    std::array<Region, kCells> regions_{};
};

// Packs a board into a key holding only what can differ between the boards
// of one search: the character's cell and fall, then each changing cell. A
// cell that began empty or with a block only ever holds a block or nothing,
// one bit; sand and water turn to nothing and nothing to a block, so those
// take the kind's two bits. With reduce off every open cell takes two bits.
class Codec {
public:
    Codec(const Stage& stage, bool reduce) : base_(stage.start) {
        const std::array<bool, kCells> changes = changingCells(stage);
        int bit = 0;
        player_ = place(bit, kPlayerBits);
        for (int cell = 0; cell < kCells; ++cell) {
            const auto i = static_cast<std::size_t>(cell);
            if (stage.wall[i] || (reduce && !changes[i])) continue;
            const CellKind start = stage.start.kind(cell);
            const bool wide = !reduce || start == CellKind::Sand || start == CellKind::Water;
            Field f = place(bit, wide ? 2 : 1);
            f.cell = static_cast<std::uint8_t>(cell);
            fieldOf_[i] = static_cast<std::int8_t>(fields_.size());
            fields_.push_back(f);
            base_.set(cell, CellKind::Empty);
        }
        base_.setPlayer(0);
        base_.setFalling(false);
        words_ = std::max(1, (bit + kWordBits - 1) / kWordBits);
        fillByteBits();
    }
    int words() const { return words_; }

    Key pack(const Board& b) const {
        Key key{};
        for (const Field& f : fields_) put(key, f, b.kind(f.cell));
        setPlayer(key, b.player(), b.falling());
        return key;
    }
    // A byte of the key at a time, the bytes with nothing set skipped.
    Board unpack(const std::uint64_t* key) const {
        Board b = base_;
        for (int w = 0; w < words_; ++w) {
            std::uint64_t bits = key[w];
            while (bits != 0) {
                const int byte = std::countr_zero(bits) / kByteBits;
                const int shift = byte * kByteBits;
                const auto value = static_cast<std::size_t>((bits >> shift) & kByteMask);
                const std::size_t at = static_cast<std::size_t>(w * kBytesPerWord + byte);
                const BoardBits& set = byteBits_[at * kByteValues + value];
                for (std::size_t i = 0; i < set.size(); ++i) b.w[i] |= set[i];
                bits &= ~(kByteMask << shift);
            }
        }
        return b;
    }
    // Only a changing cell has a place in the key; a cast never reaches another.
    void setCell(Key& key, int cell, CellKind kind) const {
        put(key, fields_[static_cast<std::size_t>(fieldOf_[static_cast<std::size_t>(cell)])], kind);
    }
    void setPlayer(Key& key, int cell, bool falling) const {
        write(key, player_, (static_cast<unsigned>(cell) << 1) | (falling ? 1u : 0u));
    }

private:
    static constexpr int kPlayerBits = 8;  // the fall, then the cell, 0..80
    static constexpr int kByteBits = 8;
    static constexpr int kBytesPerWord = kWordBits / kByteBits;
    static constexpr std::size_t kByteValues = 256;
    static constexpr std::uint64_t kByteMask = kByteValues - 1;
    // Where Board keeps the character's cell and its fall.
    static constexpr int kBoardPlayerBit = 2 * kWordBits + 34;
    static constexpr int kBoardFallBit = 2 * kWordBits + 41;

    // Each bit of a key stands for one bit of a board: a cell's two bits, or
    // for a one-bit cell the high bit alone, which is a block's; the fall and
    // the cell's seven bits. So each byte value's bits can be looked up.
    void fillByteBits() {
        std::array<int, kMaxWords * kWordBits> boardBit;
        boardBit.fill(-1);
        boardBit[0] = kBoardFallBit;
        for (int i = 1; i < kPlayerBits; ++i)
            boardBit[static_cast<std::size_t>(i)] = kBoardPlayerBit + i - 1;
        for (const Field& f : fields_) {
            const int cellBit = (f.cell >> 5) * kWordBits + (f.cell & 31) * 2;
            const auto at = static_cast<std::size_t>(f.word * kWordBits + f.shift);
            if (f.mask == 1) {
                boardBit[at] = cellBit + 1;
            } else {
                boardBit[at] = cellBit;
                boardBit[at + 1] = cellBit + 1;
            }
        }
        const auto bytes = static_cast<std::size_t>(words_ * kBytesPerWord);
        byteBits_.assign(bytes * kByteValues, BoardBits{});
        for (std::size_t at = 0; at < bytes; ++at)
            for (std::size_t v = 1; v < kByteValues; ++v) {
                BoardBits set = byteBits_[at * kByteValues + (v & (v - 1))];
                const int bit =
                    boardBit[at * kByteBits + static_cast<std::size_t>(std::countr_zero(v))];
                if (bit >= 0)
                    set[static_cast<std::size_t>(bit / kWordBits)] |= std::uint64_t{1}
                                                                      << (bit % kWordBits);
                byteBits_[at * kByteValues + v] = set;
            }
    }

    struct Field {
        std::uint8_t cell = 0, word = 0, shift = 0, mask = 0;
    };
    // The next `width` bits, moved on to a fresh word rather than split.
    static Field place(int& bit, int width) {
        if (bit / kWordBits != (bit + width - 1) / kWordBits)
            bit = (bit / kWordBits + 1) * kWordBits;
        Field f;
        f.word = static_cast<std::uint8_t>(bit / kWordBits);
        f.shift = static_cast<std::uint8_t>(bit % kWordBits);
        f.mask = static_cast<std::uint8_t>((1u << width) - 1);
        bit += width;
        return f;
    }
    static void write(Key& key, const Field& f, unsigned v) {
        auto& word = key[f.word];
        word = (word & ~(std::uint64_t{f.mask} << f.shift)) | (std::uint64_t{v} << f.shift);
    }
    static void put(Key& key, const Field& f, CellKind kind) {
        const auto v = static_cast<unsigned>(kind);
        write(key, f, f.mask == 1 ? (kind == CellKind::Block ? 1u : 0u) : v);
    }

    Board base_;  // the cells left out as they began, the others empty
    std::vector<Field> fields_;
    std::array<std::int8_t, kCells> fieldOf_{};
    // What each value of each byte of a key sets in a board (see fillByteBits).
    using BoardBits = std::array<std::uint64_t, 3>;
    std::vector<BoardBits> byteBits_;
    Field player_;
    int words_ = 1;
};

// The nodes in fixed chunks, each a key and one word of how it was reached:
// the list grows a chunk at a time, never copied to a larger one, so the
// memory it takes is what it holds plus at most one chunk.
class NodeStore {
public:
    struct Meta {
        std::uint32_t parent;
        std::int16_t magic;
        std::int8_t from, target;
    };
    explicit NodeStore(int words) : words_(words), stride_(static_cast<std::size_t>(words) + 1) {}
    std::size_t size() const { return size_; }
    std::size_t bytes() const { return chunks_.size() * chunkBytes(); }
    std::size_t chunkBytes() const { return kChunkNodes * stride_ * sizeof(std::uint64_t); }
    // The next push takes a new chunk.
    bool full() const { return size_ == chunks_.size() * kChunkNodes; }

    const std::uint64_t* key(std::size_t n) const { return at(n); }
    Meta meta(std::size_t n) const {
        const std::uint64_t m = at(n)[words_];
        return {static_cast<std::uint32_t>(m), static_cast<std::int16_t>(m >> 32),
                static_cast<std::int8_t>(m >> 48), static_cast<std::int8_t>(m >> 56)};
    }
    void setMagic(std::size_t n, std::int16_t magic) {
        Meta m = meta(n);
        m.magic = magic;
        at(n)[words_] = encode(m);
    }
    void push(const Key& key, const Meta& m) {
        if (full())
            chunks_.push_back(
                std::make_unique_for_overwrite<std::uint64_t[]>(kChunkNodes * stride_));
        std::uint64_t* p = at(size_++);
        std::copy_n(key.begin(), words_, p);
        p[words_] = encode(m);
    }

private:
    static constexpr std::size_t kChunkShift = 12;
    static constexpr std::size_t kChunkNodes = std::size_t{1} << kChunkShift;
    static std::uint64_t encode(const Meta& m) {
        return std::uint64_t{m.parent} | std::uint64_t{static_cast<std::uint16_t>(m.magic)} << 32 |
               std::uint64_t{static_cast<std::uint8_t>(m.from)} << 48 |
               std::uint64_t{static_cast<std::uint8_t>(m.target)} << 56;
    }
    std::uint64_t* at(std::size_t n) const {
        return chunks_[n >> kChunkShift].get() + (n & (kChunkNodes - 1)) * stride_;
    }

    int words_;
    std::size_t stride_;
    std::vector<std::unique_ptr<std::uint64_t[]>> chunks_;
    std::size_t size_ = 0;
};

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
    StateTable(const NodeStore& nodes, int words, const std::atomic<bool>* cancel)
        : nodes_(nodes), words_(words), cancel_(cancel) {}
    std::uint64_t hash(const std::uint64_t* k) const {
        static constexpr std::uint64_t kMul[kMaxWords] = {
            0x9E3779B97F4A7C15ULL, 0xC2B2AE3D27D4EB4FULL, 0x165667B19E3779F9ULL};
        std::uint64_t h = 0;
        for (int i = 0; i < words_; ++i) h ^= std::rotl(k[i] * kMul[i], 23 * i);
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDULL;
        return h ^ (h >> 33);
    }
    // The slot holding the key, or the empty slot where it belongs. Before
    // its first state the table has no slots, and every key is new.
    Slot& find(const std::uint64_t* k, std::uint64_t h) {
        if (slots_.empty()) return none_ = Slot{};
        const std::size_t mask = slots_.size() - 1;
        const auto tag = static_cast<std::uint32_t>(h >> 32);
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            Slot& s = slots_[i];
            if (s.node == kNone) {
                s.tag = tag;
                return s;
            }
            if (s.tag == tag && same(k, nodes_.key(s.node))) return s;
        }
    }
    // Word by word: a library call for so few words took a twentieth of a search.
    bool same(const std::uint64_t* a, const std::uint64_t* b) const {
        for (int i = 0; i < words_; ++i)
            if (a[i] != b[i]) return false;
        return true;
    }
    // One more entry would fill it past half while it is small, where the
    // shorter runs of full slots win time and the memory is little; past
    // three quarters once it is large, where memory is what runs out first.
    bool full() const {
        const std::size_t n = slots_.size();
        return n < kCompactSlots ? 2 * (size_ + 1) > n : 4 * (size_ + 1) > 3 * n;
    }
    std::size_t bytes() const { return slots_.size() * sizeof(Slot); }
    void added() { ++size_; }
    std::size_t size() const { return size_; }
    // A cancel came while it grew: it no longer knows every state.
    bool abandoned() const { return abandoned_; }

    // Every node not overtaken is in the table once: moving them in node
    // order reads the nodes one after the other, not at random.
    void grow() {
        if (cancelled()) return;
        capacity_ = std::max(kFirstSlots, 2 * capacity_);
        slots_ = std::vector<Slot>();  // the old slots go before the new come
        slots_.resize(capacity_);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t n = 0; n < nodes_.size(); ++n) {
            if (n % kGrowCheckEvery == 0 && cancelled()) return;
            if (nodes_.meta(n).magic == kOvertaken) continue;
            const std::uint64_t h = hash(nodes_.key(n));
            std::size_t i = h & mask;
            while (slots_[i].node != kNone) i = (i + 1) & mask;
            slots_[i] = {static_cast<std::uint32_t>(h >> 32), static_cast<std::uint32_t>(n)};
        }
    }
    // What growing adds to the memory at its peak.
    std::size_t growBytes() const { return std::max(kFirstSlots * sizeof(Slot), bytes()); }

private:
    static constexpr std::size_t kFirstSlots = std::size_t{1} << 12;
    static constexpr std::size_t kCompactSlots = std::size_t{1} << 21;  // 16 MB of slots
    // Seen once, the table stops growing; the search stops at its next step.
    bool cancelled() {
        abandoned_ = cancel_ != nullptr && cancel_->load(std::memory_order_relaxed);
        return abandoned_;
    }

    const NodeStore& nodes_;
    int words_;
    const std::atomic<bool>* cancel_;
    std::vector<Slot> slots_;
    std::size_t capacity_ = 0;
    Slot none_;  // what find answers while there are no slots
    std::size_t size_ = 0;
    bool abandoned_ = false;
};

std::vector<Cast> pathTo(const NodeStore& nodes, std::uint32_t n) {
    std::vector<Cast> casts;
    for (NodeStore::Meta m = nodes.meta(n); m.parent != kNone; m = nodes.meta(m.parent))
        if (m.from >= 0) casts.push_back({m.from, m.target});
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
          codec_(stage, options.reduce),
          nodes_(codec_.words()),
          table_(nodes_, codec_.words(), options.control ? &options.control->cancel : nullptr),
          collect_(!options.stopAtClear && options.finalBoardCap > 0) {}

    SearchResult run() {
        enqueue(codec_.pack(stage_.start), kNone, options_.startMagic, -1, -1);
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
        result_.bytes = nodes_.bytes() + table_.bytes();
        publishProgress();
        return std::move(result_);
    }

private:
    struct Counts {
        int blocks, water, sand;
    };
    // What every cast from one state shares.
    struct Expansion {
        std::uint32_t head;
        Key key;
        Board board;
        int magic;
        SolidMap solid;
        int blocks, water, sand;
    };

    bool stopped() const {
        return (result_.cleared && options_.stopAtClear) || table_.abandoned() ||
               result_.ending.outOfMemory;
    }

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

    Expansion expansionOf(std::uint32_t head, int magic) const {
        Key key{};
        std::copy_n(nodes_.key(head), codec_.words(), key.begin());
        const Board board = codec_.unpack(key.data());
        const Board::Counts n = board.counts();
        return {head, key, board, magic, SolidMap(stage_, board), n.block, n.water, n.sand};
    }

    // A landing was expanded as soon as it was made (see expandFall).
    bool isLanding(std::uint32_t n) const {
        const NodeStore::Meta m = nodes_.meta(n);
        return m.parent != kNone && m.from < 0;
    }

    void expand(std::uint32_t head) {
        const int magic = nodes_.meta(head).magic;
        if (magic == kOvertaken || isLanding(head)) return;
        const Expansion x = expansionOf(head, magic);
        if (x.board.falling())
            expandFall(x);
        else
            expandStanding(x);
    }

    // Every cell passed on the way down, then the landing without a cast.
    // The landing is expanded at once, at its fall's level: queued behind the
    // next level, its casts would come a level late, and the first clear
    // would count casts and landings together rather than casts.
    //
    // So a node's level is the number of its casts, and the state table only
    // ever compares visits of one state at the same level or a visit with
    // fewer casts expanded already: each cast changes one cell one step along
    // its kinds (empty and block in turn; sand or water, then empty and block
    // in turn), so how many casts a cell has taken, odd or even, is told by
    // what it holds, and every path to one board takes casts of one parity.
    // A visit a level later never meets one still waiting a level sooner,
    // and keeping only the richest visit of each level loses no solution.
    void expandFall(const Expansion& x) {
        const int land = landing(x.solid, x.board.player());
        for (int at = x.board.player(); at != land && !stopped(); at += 9) {
            const int c = columnOf(at), r = rowOf(at);
            if (r > 1) tryCast(x, at, at - 9);
            if (c < 9) tryCast(x, at, at + 1);
            if (c > 1) tryCast(x, at, at - 1);
        }
        if (lost(x, land, x.magic, {x.blocks, x.water, x.sand})) return;
        Key landed = x.key;
        codec_.setPlayer(landed, land, false);
        const std::uint32_t n = enqueue(landed, x.head, x.magic, -1, -1);
        if (n != kNone && !stopped()) expandStanding(expansionOf(n, x.magic));
    }

    // Every cell in walking reach casts on each of its neighbours.
    void expandStanding(const Expansion& x) {
        const Reach reach = reachable(x.solid, x.board.player(), options_.allowed);
        result_.exits |= reach.exits;
        if (reach.leaves >= 0 && result_.leaves < 0) {
            result_.leaves = reach.leaves;
            result_.leavesBoard = x.board;
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
        Board same = x.board;
        same.setPlayer(from);
        if (judge(stage_, same, x.magic, options_.earlyCountLoses) == Outcome::Cleared)
            finish(x.head, {from, target}, x.magic, same);
    }

    void tryCast(const Expansion& x, int from, int target) {
        if (stage_.wall[static_cast<std::size_t>(target)]) return castOnWall(x, from, target);
        // As castOn, but the board after it is built only for the goal check.
        const CellChange change = changeOf(stage_, x.board.kind(target), target);
        const unsigned move = change.move | directionMoves(from, target);
        if ((move & options_.allowed) != move) return;
        // Still falling after a cast on the way down, or falling now the floor went.
        const bool falls = x.board.falling() || target == from + 9;
        const int magic = x.magic + change.magic;
        const Counts after{x.blocks + change.blocks, x.water + change.water, x.sand + change.sand};
        if (game::outOfMagic(magic)) return;
        // The goal check looks further only when the count meets the target.
        if (after.blocks == stage_.target &&
            goalCheck(x, {from, target}, change.after, falls, magic) != Outcome::Going)
            return;
        if (cannotClear(magic, after, after.sand)) return;
        // The cast lands beside `from`, inside its region: what lies outside
        // is as on the board before it.
        if (lost(x, from, magic, after)) return;
        Key key = x.key;
        codec_.setCell(key, target, change.after);
        codec_.setPlayer(key, from, falls);
        enqueue(key, x.head, magic, from, target);
    }

    // The board after the cast, judged; a clear is the solution. Kept out of
    // tryCast, which runs for every cast, as few casts meet the target.
    [[gnu::noinline]] Outcome goalCheck(const Expansion& x, const Cast& cast, CellKind after,
                                        bool falls, int magic) {
        Board board = x.board;
        board.set(cast.target, after);
        board.setPlayer(cast.from);
        board.setFalling(falls);
        const Outcome outcome = judge(stage_, board, magic, options_.earlyCountLoses);
        if (outcome == Outcome::Cleared) finish(x.head, cast, magic, board);
        return outcome;
    }

    // A state that cannot end with magic left, whatever comes after it, is
    // no way on (see mostGainLeft).
    bool cannotClear(int magic, const Counts& after, int sand) const {
        return game::outOfMagic(magic + mostGainLeft(stage_.target, after.blocks, after.water, sand));
    }

    // A state whose region (see Regions) leaves a pool, more blocks than the
    // target, two blocks side by side, or too little sand for the magic out
    // of reach for good: no clear can follow it, and none can follow any
    // state after it, whose region lies within this one, with those cells
    // unchanged and the magic bound no higher. So the states left out are
    // whole branches of lost states. Every state that can still clear was
    // reached only through states that can too, which are all kept, so they
    // come in the same order from the same parents with the same magic as
    // in the plain search: the same first solution, least magic, final
    // boards. One more condition keeps the ways off the board: a state is
    // left out only once the search has met every way off its region could
    // show, so the first walk off the board met is the plain search's too,
    // and no later way off is missed.
    bool lost(const Expansion& x, int cell, int magic, const Counts& after) {
        if (!options_.reduce || table_.size() < options_.lostFrom) return false;
        if (!regions_) regions_.emplace(stage_);
        const Regions::Region& region = regions_->of(cell);
        if (!region.any || (region.mayLeave & ~result_.exits) != 0) return false;
        const Beyond& out = beyond(x, cell, region);
        return out.forGood || cannotClear(magic, after, after.sand - out.sand);
    }

    // What lies beyond a cell's region on the board of one expansion: the
    // casts from one cell all ask, so the last answer is kept.
    struct Beyond {
        std::uint32_t head = kNone;
        int cell = -1;
        bool forGood = false;  // a pool, too many blocks or two side by side
        int sand = 0;
    };
    const Beyond& beyond(const Expansion& x, int cell, const Regions::Region& region) {
        if (beyond_.head == x.head && beyond_.cell == cell) return beyond_;
        Board outside;
        for (std::size_t i = 0; i < outside.w.size(); ++i)
            outside.w[i] = x.board.w[i] & region.outside[i];
        const Board::Counts out = outside.counts();
        beyond_ = {x.head, cell,
                   out.water > 0 || out.block > stage_.target ||
                       (out.block > 1 && blocksTouch(outside)),
                   out.sand};
        return beyond_;
    }

    // Only the few blocks there are visited: a block's two bits read 10.
    static bool blocksTouch(const Board& b) {
        constexpr std::uint64_t kLow = 0x5555555555555555ULL;
        for (std::size_t word = 0; word < b.w.size(); ++word) {
            std::uint64_t blocks = (b.w[word] >> 1) & ~b.w[word] & kLow;
            while (blocks != 0) {
                const int cell = static_cast<int>(32 * word) + std::countr_zero(blocks) / 2;
                blocks &= blocks - 1;
                if (columnOf(cell) < 9 && b.kind(cell + 1) == CellKind::Block) return true;
                if (rowOf(cell) < 9 && b.kind(cell + 9) == CellKind::Block) return true;
            }
        }
        return false;
    }

    // Whether one more node, and the table's growth for a new state, stay
    // within the budget. The table frees its old slots before it takes the
    // new, so growing adds what it holds now.
    bool roomForNode(bool newState) const {
        std::size_t need = nodes_.bytes() + table_.bytes();
        if (nodes_.full()) need += nodes_.chunkBytes();
        if (newState && table_.full()) need += table_.growBytes();
        return need <= options_.memoryBudget && nodes_.size() < kNone;
    }

    // Queues a state unless it was already reached with as much magic or
    // more; answers the new node, or kNone.
    std::uint32_t enqueue(const Key& key, std::uint32_t parent, int magic, int from, int target) {
        const std::uint64_t h = table_.hash(key.data());
        StateTable::Slot* slot = &table_.find(key.data(), h);
        const bool fresh = slot->node == kNone;
        if (!fresh && nodes_.meta(slot->node).magic >= magic) return kNone;
        // Memory is only taken when a chunk or the table's slots fill up.
        const bool takes = nodes_.full() || (fresh && table_.full());
        if (takes && !roomForNode(fresh)) {
            result_.ending.outOfMemory = true;
            return kNone;
        }
        if (fresh && table_.full()) {
            table_.grow();
            if (table_.abandoned()) return kNone;  // the table no longer knows every state
            slot = &table_.find(key.data(), h);
        }
        if (fresh)
            table_.added();
        else
            nodes_.setMagic(slot->node, kOvertaken);
        const auto n = static_cast<std::uint32_t>(nodes_.size());
        slot->node = n;
        nodes_.push(key, {parent, static_cast<std::int16_t>(magic), static_cast<std::int8_t>(from),
                          static_cast<std::int8_t>(target)});
        return n;
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
    const Codec codec_;
    NodeStore nodes_;
    StateTable table_;
    const bool collect_;
    std::optional<Regions> regions_;  // worked out once the search is past lostFrom
    Beyond beyond_;
    SearchResult result_;
    std::size_t published_ = 0;  // states already added to the control's count
};

}  // namespace

SearchResult search(const Stage& stage, const SearchOptions& options) {
    return Search(stage, options).run();
}

}  // namespace solver
