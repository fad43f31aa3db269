#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/file_error.h"
#include "game/memory_files.h"
#include "game/pack.h"

namespace game {

// A pack travels as one text file, NAME.lumora: what a pack folder holds and
// each stage's solution, in UTF-8 lines a person can read and a diff compare.
//
//   Lumora pack 1          the fixed first line a file manager knows it by
//   [Pack]                 as pack.ini has it
//   Name=Tower of Pools
//   Author=...
//   License=CC-BY-SA-4.0
//   Stages=3
//
//   [Stage 1]              its 11 lines, as mmap1.bkm has them
//   ...
//   [Answer 1]             the nine board lines of amap1.bkm
//   ...
//   [Solution 1]           a replay script that clears it, when it has one
//   ...
//
// Lines end with LF (CR LF reads too). Blank lines between sections are
// nothing; a section holds the lines up to the next line starting "[".
inline constexpr std::string_view kPackFileFirstLine = "Lumora pack 1";
inline constexpr std::string_view kPackFileSuffix = ".lumora";
// A solution read from a file or a folder, the longest a script may be.
inline constexpr std::size_t kMaxSolutionBytes = 64 * 1024;
// The most a pack of kMaxPackStages stages can take, its solutions at their
// longest: a larger file is refused before it is read whole.
inline constexpr std::size_t kMaxPackFileBytes = 8 * 1024 * 1024;

// A pack with the solutions it carries: stage n's replay script at n - 1, an
// empty text for a stage that has none. `solutions` is as long as the pack.
struct PackContents {
    Pack pack;
    std::vector<std::string> solutions;
};

// What a reader makes of the solutions a pack carries: each checked by the
// replay script's reader, for those who play them (the workshop, the solver),
// or left unread, for the game, which plays the stages and never a solution.
enum class Solutions { Checked, Unread };

// Parses and validates a pack file's text with the readers the folder's files
// have: pack.ini's, the stage and answer files', the replay script's. Errors
// name `fileName` and the line of the pack file. Unread solutions are kept as
// their text, and a folder's are not read at all.
FileResult<PackContents> parsePackFile(const std::string& fileName, std::string_view text,
                                       Solutions solutions = Solutions::Checked);
// The text of a pack file for `contents`; parsePackFile reads it back as it is.
std::string writePackFileText(const PackContents& contents);

// Whether `path` names a pack file rather than a folder: anything that is not
// a folder (links followed) is taken for one, so a wrong path is told as the
// pack file that does not open.
bool isPackFilePath(const std::string& path);

// A pack file read from disk, refused unread when longer than a pack can be.
FileResult<PackContents> readPackFile(const std::string& path,
                                      Solutions solutions = Solutions::Checked);

// A pack file or a pack folder, with the solutions a folder keeps in
// solutions/stageN.replay. A folder without pack.ini is the game's own
// stages (see openGameStages).
FileResult<PackContents> openAnyPack(const std::string& path,
                                     Solutions solutions = Solutions::Checked);

// Writes a pack file whole or not at all, as writeFileDurably replaces a file;
// what would not read back as it is is refused before anything is written.
std::optional<FileError> writePackFile(const std::string& path, const PackContents& contents);

// Writes a pack folder as writePack does, with the solutions in
// solutions/stageN.replay beside the stages.
std::optional<FileError> writePackFolder(const std::string& folder, const PackContents& contents);

// Puts the pack's files (pack.ini, every stage and answer file) into memory,
// for the game to play them as it plays a folder.
void putPackFiles(MemoryFiles& files, const Pack& pack);

}  // namespace game
