#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game/cells.h"
#include "game/stage_desc.h"

namespace workshop {

// What the editor's brush paints: the five cell kinds of a stage file, in the
// game's own order, and the character's start, which lies on an empty cell.
enum class Kind : std::uint8_t { Empty, Sand, Block, Water, Wall, Start };

struct KindInfo {
    Kind kind;
    std::string_view name;     // for menus, undo texts and the settings
    char key;                  // the keyboard shortcut, without modifiers
    std::string_view picture;  // of the game window's art; empty for none
};

// A brush for one of the game's cell kinds, named and pictured as the game has it.
constexpr KindInfo cellBrush(game::CellKind cell, char key) {
    const game::CellInfo& info = game::cellInfo(cell);
    return {static_cast<Kind>(cell), info.name, key, info.picture};
}

inline constexpr std::array<KindInfo, 6> kKinds{{
    cellBrush(game::CellKind::Empty, '0'),
    cellBrush(game::CellKind::Sand, '1'),
    cellBrush(game::CellKind::Block, '2'),
    cellBrush(game::CellKind::Water, '3'),
    cellBrush(game::CellKind::Wall, '4'),
    {Kind::Start, game::kStartName, '5', game::kStartPicture},
}};

const KindInfo& kindInfo(Kind kind);
std::optional<Kind> kindNamed(std::string_view name);

// The cell kind a palette kind paints; the start's cell is empty.
game::CellKind cellKindOf(Kind kind);
Kind paletteKindOf(game::CellKind kind);

}  // namespace workshop
