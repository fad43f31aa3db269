#pragma once

// The exact search's states as keys: a board packed into as few 64-bit words
// as the cells that can change in one search need, and unpacked again. A
// stage's walls, and every open cell the character can never get next to,
// hold their start kind on every board it meets and take no bit.

#include <array>
#include <cstdint>
#include <vector>

#include "solver/stage.h"

namespace solver::exact {

// A state as the table keeps it: as few words as the stage's changing cells
// need, never more than these.
constexpr int kMaxWords = 3;
constexpr int kWordBits = 64;
using Key = std::array<std::uint64_t, kMaxWords>;

// The cells a cast can ever change: those beside every place the character
// could ever be in, on any board (everReachable), less the walls.
std::array<bool, kCells> changingCells(const Stage& stage);

// Packs a board into a key holding only what can differ between the boards
// of one search: the character's cell and fall, then each changing cell. A
// cell that began empty or with a block only ever holds a block or nothing,
// one bit; sand and water turn to nothing and nothing to a block, so those
// take the kind's two bits. With reduce off every open cell takes two bits.
class Codec {
public:
    Codec(const Stage& stage, bool reduce);
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
    static constexpr int kPlayerBits = 8;  // the fall, then the place, 0..89
    static constexpr int kByteBits = 8;
    static constexpr int kBytesPerWord = kWordBits / kByteBits;
    static constexpr std::size_t kByteValues = 256;
    static constexpr std::uint64_t kByteMask = kByteValues - 1;
    // Where Board keeps the character's cell and its fall.
    static constexpr int kBoardPlayerBit = 2 * kWordBits + 34;
    static constexpr int kBoardFallBit = 2 * kWordBits + 41;

    // Each bit of a key stands for one bit of a board (see the definition).
    void fillByteBits();

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

}  // namespace solver::exact
