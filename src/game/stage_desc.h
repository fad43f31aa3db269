#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/files.h"

namespace game {

inline constexpr int kBoardSide = 9;
inline constexpr int kBoardCells = kBoardSide * kBoardSide;

// What a stage file's letter makes of a cell. The start cell "P" is empty.
enum class CellKind : std::uint8_t { Empty, Sand, Block, Water, Wall };

// What an answer file marks a cell with: a stock picture, "O" (a cell of the
// answer, painted white) or nothing.
enum class AnswerMark : std::uint8_t { None, Sand, Block, Water, Wall, Answer };

// Cell (c, r), both 1..9, at index 9 * (r - 1) + (c - 1).
constexpr int boardIndex(int c, int r) { return kBoardSide * (r - 1) + (c - 1); }

// One stage as the game plays it: the board, the character's start, the block
// target, the starting magic and the answer the mini-map shows. Stage set-up,
// the solver and the workshop all build from this; only stage_desc.cpp reads
// or writes the letters of a stage or answer file.
struct StageDesc {
    std::array<CellKind, kBoardCells> cells{};
    int startCol = 0;  // 1..9, the last "P" in reading order
    int startRow = 0;
    std::int16_t target = 0;  // BlockTarget, line 10
    std::int16_t magic = 1;   // MagicCount when play starts: line 11 plus 1
    std::array<AnswerMark, kBoardCells> answer{};

    CellKind at(int c, int r) const { return cells[static_cast<std::size_t>(boardIndex(c, r))]; }
    void set(int c, int r, CellKind kind) { cells[static_cast<std::size_t>(boardIndex(c, r))] = kind; }
    int budget() const { return magic - 1; }  // what line 11 holds
    bool operator==(const StageDesc&) const = default;
};

// Parses and validates the text of a stage file (lines 1 to 11 under the
// game's line rules; the rest is ignored). Errors name the file and the line,
// with the messages stage set-up has always given. The answer stays unmarked.
FileResult<StageDesc> parseStageText(const std::string& fileName, std::string_view text);

// Parses the text of an answer file into `desc.answer`; lines 10 and 11 must
// be there but are not used.
std::optional<FileError> parseAnswerText(const std::string& fileName, std::string_view text,
                                         StageDesc& desc);

// The files as the game's own are written: nine board lines of nine letters
// ("." for empty), the target, the budget, each line ending in CR LF. The
// answer file repeats the stage's target and budget on its lines 10 and 11.
std::string writeStageText(const StageDesc& desc);
std::string writeAnswerText(const StageDesc& desc);

}  // namespace game
