#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace game {

// A file problem, told the way the player needs to read it: the file, the
// line where there is one, and what is wrong.
struct FileError {
    std::string message;
};

template <class T>
using FileResult = std::variant<T, FileError>;

// Lines 1 to 11 of a stage or answer file; element 0 stays empty.
using MapLines = std::array<std::string, 12>;

inline constexpr const char* kSaveFileName = "save.bkm";
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

std::string stageFileName(std::int32_t stage);   // "mmap3.bkm"
std::string answerFileName(std::int32_t stage);  // "amap3.bkm"

// The program folder as text ending in "/"; an empty folder is the current
// one, never the root of the file system.
std::string folderText(const std::string& folder);

// Lines 1 to `count` as far as the reader got, and what stopped it short of
// line 11. Stage set-up checks each line as it arrives, so a bad number on
// line 10 is reported before a missing line 11.
struct MapRead {
    MapLines lines{};
    int count = 0;
    std::optional<FileError> error;
};

// Reads lines 1 to 11. A line ends at CR LF or at CR alone; a lone LF is part
// of the line; the end of the file ends the last line. Nothing past line 11 is
// read, and a line longer than kMaxLineBytes is an error. A UTF-8 byte-order
// mark in front of line 1 is not part of it. Only a regular file is read: a
// folder, named pipe, device or socket of that name is an error saying so.
MapRead readMapLines(const std::string& folder, const std::string& fileName);
FileResult<MapLines> readMapFile(const std::string& folder, const std::string& fileName);

// Line 10 (the block target) or line 11 (the magic budget, counted plus 1) of
// a stage file as a number, or the error naming the file, the line and the fault.
FileResult<std::int16_t> stageFileNumber(const std::string& fileName, int line,
                                         const std::string& text);

// Reads the save file's first field: blanks around it are ignored, and it ends
// at a comma, a line end or the end of the file. It must be a stage number.
FileResult<std::int32_t> readSaveFile(const std::string& folder);

// Replaces the save file with the number and CR LF, atomically and durably: a
// new file beside it flushed to the disk, a rename over the save, then a flush
// of the folder. A save that is a symbolic link keeps the link and replaces the
// file it leads to; a link that leads nowhere is an error.
std::optional<FileError> writeSaveFile(const std::string& folder, std::int32_t stage);

// True when anything has the save file's name, a link to nowhere included.
bool saveFileExists(const std::string& folder);

// The save file's bytes, for the replay driver's snapshots; nothing when the
// file is missing.
std::optional<std::string> readSaveBytes(const std::string& folder);

// Quotes a line for an error message, shortened, with control bytes and bytes
// past ASCII escaped as \xNN.
std::string quoteForMessage(const std::string& text);

}  // namespace game
