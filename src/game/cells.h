#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game/translatable.h"

namespace game {

// What a stage file's letter makes of a cell. The start cell "P" is empty.
enum class CellKind : std::uint8_t { Empty, Sand, Block, Water, Wall };

// What an answer file marks a cell with: a stock picture, "O" (a cell of the
// answer, painted white) or nothing.
enum class AnswerMark : std::uint8_t { None, Sand, Block, Water, Wall, Answer };

// Everything the game and its tools call one kind of cell. The stage files,
// the game window's pictures, the solver, the workshop and the replay's
// printouts all take their words for a cell from here.
struct CellInfo {
    CellKind kind;
    std::string_view name;     // as menus, undo texts and settings say it
    char letter;               // in a stage file; the writer's "." for empty
    AnswerMark mark;           // what the same letter marks in an answer file
    std::string_view picture;  // the game window's stock picture; empty for none
};

// The context the names are marked in for translation ("Cell").
inline constexpr const char* kCellWords = "Cell";

inline constexpr std::array<CellInfo, 5> kCellKinds{{
    {CellKind::Empty, QT_TRANSLATE_NOOP("Cell", "Empty"), '.', AnswerMark::None, ""},
    {CellKind::Sand, QT_TRANSLATE_NOOP("Cell", "Sand"), 'S', AnswerMark::Sand, "Sand"},
    {CellKind::Block, QT_TRANSLATE_NOOP("Cell", "Block"), 'B', AnswerMark::Block, "Block"},
    {CellKind::Water, QT_TRANSLATE_NOOP("Cell", "Water"), 'W', AnswerMark::Water, "Water"},
    {CellKind::Wall, QT_TRANSLATE_NOOP("Cell", "Wall"), 'K', AnswerMark::Wall, "Wall"},
}};

// Letters of the files that are no kind of cell: the character's start on
// the board, and a cell of the answer on the answer's map.
inline constexpr char kStartLetter = 'P';
inline constexpr char kAnswerLetter = 'O';
// The start as the workshop paints it: the character standing.
inline constexpr std::string_view kStartName = QT_TRANSLATE_NOOP("Cell", "Start");
inline constexpr std::string_view kStartPicture = "LeftWalk(1)";

constexpr const CellInfo& cellInfo(CellKind kind) {
    return kCellKinds[static_cast<std::size_t>(kind)];
}

// The kind whose stock picture a mark shows; none for "O" and for no mark.
constexpr std::optional<CellKind> kindShown(AnswerMark mark) {
    for (const CellInfo& c : kCellKinds)
        if (c.mark == mark && mark != AnswerMark::None) return c.kind;
    return std::nullopt;
}

// The letter an answer file has for a mark, "." for none.
constexpr char markLetter(AnswerMark mark) {
    if (mark == AnswerMark::Answer) return kAnswerLetter;
    const std::optional<CellKind> kind = kindShown(mark);
    return cellInfo(kind.value_or(CellKind::Empty)).letter;
}

// The kind whose stock picture is `picture`; none for any other picture.
constexpr std::optional<CellKind> kindOfPicture(std::string_view picture) {
    for (const CellInfo& c : kCellKinds)
        if (!c.picture.empty() && c.picture == picture) return c.kind;
    return std::nullopt;
}

}  // namespace game
