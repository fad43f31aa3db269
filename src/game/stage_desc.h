#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/cells.h"
#include "game/file_error.h"

namespace game {

// Lines 1 to 11 of a stage or answer file; element 0 stays empty.
using MapLines = std::array<std::string, 12>;

inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
// Enough bytes of a file to reach past line 11 or to find a line too long:
// a byte-order mark and eleven of the longest lines with their CR LF.
inline constexpr std::size_t kMaxStageBytes = 3 + 11 * (kMaxLineBytes + 2);

// Lines 1 to `count` as far as the reader got, and what stopped it short of
// line 11. Stage set-up checks each line as it arrives, so a bad number on
// line 10 is reported before a missing line 11.
struct MapRead {
    MapLines lines{};
    int count = 0;
    std::optional<FileError> error;
};

// Splits lines 1 to 11 off the text of a stage or answer file. A line ends at
// CR LF or at CR alone; a lone LF is part of the line; the end of the text
// ends the last line. Nothing past line 11 matters, and a line longer than
// kMaxLineBytes is an error. A UTF-8 byte-order mark in front of line 1 is not
// part of it.
MapRead splitMapLines(const std::string& fileName, std::string_view text);

// Line 10 (the block target) or line 11 (the magic budget, counted plus 1) of
// a stage file as a number, or the error naming the file, the line and the fault.
FileResult<std::int16_t> stageFileNumber(const std::string& fileName, int line,
                                         const std::string& text);

inline constexpr int kBoardSide = 9;
inline constexpr int kBoardCells = kBoardSide * kBoardSide;

// What an answer file holds for each cell, by index.
using AnswerMarks = std::array<AnswerMark, kBoardCells>;

// Cell (c, r), both 1..9, at index 9 * (r - 1) + (c - 1).
constexpr int boardIndex(int c, int r) { return kBoardSide * (r - 1) + (c - 1); }

// The starting-magic rule: MagicCount when play starts, from the budget on
// line 11 of a stage file, and back.
std::int16_t magicForBudget(int budget);
int budgetOfMagic(int magic);

// One stage as the game plays it: the board, the character's start, the block
// target, the starting magic and the answer the mini-map shows. Stage set-up,
// the solver and the workshop all build from this; only stage_desc.cpp reads
// or writes the letters of a stage or answer file.
struct StageDesc {
    std::array<CellKind, kBoardCells> cells{};
    int startCol = 0;  // 1..9, the last "P" in reading order
    int startRow = 0;
    std::int16_t target = 0;                 // BlockTarget, line 10
    std::int16_t magic = magicForBudget(0);  // MagicCount when play starts
    AnswerMarks answer{};

    CellKind at(int c, int r) const { return cells[static_cast<std::size_t>(boardIndex(c, r))]; }
    void set(int c, int r, CellKind kind) {
        cells[static_cast<std::size_t>(boardIndex(c, r))] = kind;
    }
    int budget() const { return budgetOfMagic(magic); }  // what line 11 holds
    bool operator==(const StageDesc&) const = default;
};

// Parses and validates the text of a stage file (lines 1 to 11 under the
// game's line rules; the rest is ignored). Errors name the file and the line,
// with the messages stage set-up has always given. The answer stays unmarked.
// `lines`, when given, receives the lines as far as they were read, for the
// game's own copies of the file.
FileResult<StageDesc> parseStageText(const std::string& fileName, std::string_view text,
                                     MapLines* lines = nullptr);

// Parses the text of an answer file into `desc.answer`; lines 10 and 11 must
// be there but are not used.
std::optional<FileError> parseAnswerText(const std::string& fileName, std::string_view text,
                                         StageDesc& desc, MapLines* lines = nullptr);

// The files as the game's own are written: nine board lines of nine letters
// ("." for empty), the target, the budget, each line ending in CR LF. The
// answer file repeats the stage's target and budget on its lines 10 and 11.
// The start cell is written "P" whatever it holds: the game makes it empty.
std::string writeStageText(const StageDesc& desc);
std::string writeAnswerText(const StageDesc& desc);

}  // namespace game
