#include "solver/state_codec.h"

#include <algorithm>
#include <bit>

#include "solver/refute.h"

namespace solver::exact {

std::array<bool, kCells> changingCells(const Stage& stage) {
    const Reachable reach = everReachable(stage);
    std::array<bool, kCells> changes{};
    for (std::size_t i = 0; i < changes.size(); ++i) changes[i] = reach.touch[i] && !stage.wall[i];
    return changes;
}

Codec::Codec(const Stage& stage, bool reduce) : base_(stage.start) {
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

// Each bit of a key stands for one bit of a board: a cell's two bits, or
// for a one-bit cell the high bit alone, which is a block's; the fall and
// the cell's seven bits. So each byte value's bits can be looked up.
void Codec::fillByteBits() {
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

}  // namespace solver::exact
