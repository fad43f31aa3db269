#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "game/files.h"
#include "game/phrase.h"
#include "game/stage_desc.h"

namespace solver {

// A board holds what a cell can turn into, two bits a cell. Walls never
// change, so they live in the stage's wall mask and read as empty in a board.
using game::CellKind;
static_assert(static_cast<int>(CellKind::Empty) == 0 && static_cast<int>(CellKind::Sand) < 4 &&
              static_cast<int>(CellKind::Block) < 4 && static_cast<int>(CellKind::Water) < 4);

inline constexpr int kCells = 81;

constexpr int cellIndex(int c, int r) { return 9 * (r - 1) + (c - 1); }
constexpr int columnOf(int cell) { return cell % 9 + 1; }
constexpr int rowOf(int cell) { return cell / 9 + 1; }
// The game's Tile index of a cell, 1..81.
constexpr int tileOf(int cell) { return cell + 1; }

// Where the character can be: a cell of the board, or over the top of a
// column. A climb from row 1 carries it there, and the game then takes it
// for one in that column's row 1 that cannot climb: it stands while row 2
// below is solid, walks on while row 1 beside is free, casts on row 1
// beside and row 2 below, and falls through row 1 back onto the board.
// Over the top of column c is place 80 + c, so columnOf reads its column.
inline constexpr int kPlaces = kCells + 9;
constexpr int overTopOf(int column) { return kCells + column - 1; }
constexpr bool isOverTop(int place) { return place >= kCells; }
// The cell the game takes the character to be in.
constexpr int cellOf(int place) { return isOverTop(place) ? place - kCells : place; }

// A board and the character's place, packed: two bits a cell, 32 cells a word,
// the character's place above the last cell in the third word and above that
// one bit for a character still falling through that cell (a fall started by
// casting the floor away, during which casts go on). Equality is over every
// bit, so two keys are equal exactly when boards, cells and falls are.
struct Board {
    std::array<std::uint64_t, 3> w{};

    CellKind kind(int cell) const {
        return static_cast<CellKind>((w[cell >> 5] >> ((cell & 31) * 2)) & 3);
    }
    void set(int cell, CellKind kind) {
        const int shift = (cell & 31) * 2;
        auto& word = w[cell >> 5];
        word = (word & ~(std::uint64_t{3} << shift)) | (std::uint64_t(kind) << shift);
    }
    int player() const { return static_cast<int>((w[2] >> 34) & 127); }
    void setPlayer(int cell) {
        w[2] = (w[2] & ~(std::uint64_t{127} << 34)) | (std::uint64_t(cell) << 34);
    }
    bool falling() const { return (w[2] >> 41) & 1; }
    void setFalling(bool on) {
        w[2] = (w[2] & ~(std::uint64_t{1} << 41)) | (std::uint64_t(on) << 41);
    }
    int count(CellKind kind) const;
    // The three kinds a cell can hold besides nothing, counted in one pass.
    struct Counts {
        int sand = 0, block = 0, water = 0;
    };
    Counts counts() const;
    bool operator==(const Board& o) const {
        return w[0] == o.w[0] && w[1] == o.w[1] && w[2] == o.w[2];
    }
};

struct Stage {
    std::string name;  // the file name, for messages
    std::array<bool, kCells> wall{};
    game::StageDesc desc;  // what the stage was built from, without an answer
    Board start;           // the start board with the start cell
    // The board's frame and walls as the walks see them, 11 by 11 with rows
    // and columns 0 and 10 (see SolidMap); filled in by parseStage.
    std::array<std::uint8_t, 121> frame{};
    int target = 0;  // BlockTarget
    int magic = 0;   // MagicCount after set-up: the budget plus 1
    int budget() const { return game::budgetOfMagic(magic); }
    // A block the stage began with, as against one the player set.
    bool ownBlock(int cell) const {
        return desc.cells[static_cast<std::size_t>(cell)] == CellKind::Block;
    }
};

// The solver's view of a stage description: the error when the start lies
// off the board or not on solid ground, as no search could begin there.
std::variant<Stage, std::string> stageFromDesc(const game::StageDesc& desc, std::string name);
// The same error alone, for a front end to translate; nothing when there is none.
inline constexpr const char* kProblemWords = "Problem";  // the context it is marked in
std::optional<game::Phrase> stageProblem(const game::StageDesc& desc);

// Builds a stage from the lines the game's reader returns, the way stage
// set-up reads them.
// The lines go through the game's own parser, as CR LF lines.
std::variant<Stage, std::string> parseStage(const game::MapLines& lines, const std::string& name);
// Reads and parses a stage file through the game's reader.
std::variant<Stage, std::string> loadStage(const std::string& path);

// True when the cell below the character is solid (row 10 counts as solid).
bool standsOnSomething(const Stage& stage, const Board& board, int cell);

}  // namespace solver
