#include "workshop/core/palette.h"

namespace workshop {

// kindInfo() indexes the table by the kind.
static_assert([] {
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (kKinds[i].kind != static_cast<Kind>(i)) return false;
    return true;
}());

const KindInfo& kindInfo(Kind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

std::optional<Kind> kindNamed(std::string_view name) {
    for (const KindInfo& k : kKinds)
        if (k.name == name) return k.kind;
    return std::nullopt;
}

std::optional<Kind> kindOfLetter(char letter) {
    for (const KindInfo& k : kKinds)
        if (k.letter == letter) return k.kind;
    return std::nullopt;
}

game::CellKind cellKindOf(Kind kind) {
    switch (kind) {
        case Kind::Sand:
            return game::CellKind::Sand;
        case Kind::Block:
            return game::CellKind::Block;
        case Kind::Water:
            return game::CellKind::Water;
        case Kind::Wall:
            return game::CellKind::Wall;
        case Kind::Empty:
        case Kind::Start:
            break;
    }
    return game::CellKind::Empty;
}

Kind paletteKindOf(game::CellKind kind) {
    switch (kind) {
        case game::CellKind::Sand:
            return Kind::Sand;
        case game::CellKind::Block:
            return Kind::Block;
        case game::CellKind::Water:
            return Kind::Water;
        case game::CellKind::Wall:
            return Kind::Wall;
        case game::CellKind::Empty:
            break;
    }
    return Kind::Empty;
}

}  // namespace workshop
