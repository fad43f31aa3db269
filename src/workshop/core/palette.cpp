#include "workshop/core/palette.h"

namespace workshop {

// kindInfo() indexes the table by the kind, and a cell kind is the brush of
// the same number.
static_assert([] {
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (kKinds[i].kind != static_cast<Kind>(i)) return false;
    for (const game::CellInfo& c : game::kCellKinds)
        if (kKinds[static_cast<std::size_t>(c.kind)].name != c.name) return false;
    return true;
}());

const KindInfo& kindInfo(Kind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

std::optional<Kind> kindNamed(std::string_view name) {
    for (const KindInfo& k : kKinds)
        if (k.name == name) return k.kind;
    return std::nullopt;
}

game::CellKind cellKindOf(Kind kind) {
    return kind == Kind::Start ? game::CellKind::Empty : static_cast<game::CellKind>(kind);
}

Kind paletteKindOf(game::CellKind kind) { return static_cast<Kind>(kind); }

}  // namespace workshop
