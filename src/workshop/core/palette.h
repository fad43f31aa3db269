#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game/stage_desc.h"

namespace workshop {

// What the editor's brush paints: the five cell kinds of a stage file and the
// character's start, which lies on an empty cell.
enum class Kind : std::uint8_t { Empty, Sand, Block, Water, Wall, Start };

struct KindInfo {
    Kind kind;
    std::string_view name;     // for menus, undo texts and the settings
    char letter;               // the stage file's letter
    char key;                  // the keyboard shortcut, without modifiers
    std::string_view picture;  // of the game window's art; empty for none
};

inline constexpr std::array<KindInfo, 6> kKinds{{
    {Kind::Empty, "Empty", '.', '0', ""},
    {Kind::Sand, "Sand", 'S', '1', "Sand"},
    {Kind::Block, "Block", 'B', '2', "Block"},
    {Kind::Water, "Water", 'W', '3', "Water"},
    {Kind::Wall, "Wall", 'K', '4', "Wall"},
    {Kind::Start, "Start", 'P', '5', "LeftWalk(1)"},
}};

const KindInfo& kindInfo(Kind kind);
std::optional<Kind> kindNamed(std::string_view name);
std::optional<Kind> kindOfLetter(char letter);

// The cell kind a palette kind paints; the start's cell is empty.
game::CellKind cellKindOf(Kind kind);
Kind paletteKindOf(game::CellKind kind);

}  // namespace workshop
