#include "solver/state_table.h"

namespace solver::exact {

void StateTable::grow() {
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

}  // namespace solver::exact
