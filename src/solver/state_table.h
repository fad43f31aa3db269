#pragma once

// Where the exact search keeps its states: every node (a key and how it was
// reached) in a store that grows a chunk at a time, and a hash table over the
// node numbers that answers whether a key was met before and with what magic.

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "solver/state_codec.h"

namespace solver::exact {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;
// A node's magic once a richer visit of its state took its place.
constexpr std::int16_t kOvertaken = -32768;

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
    void grow();
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

}  // namespace solver::exact
