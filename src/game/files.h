#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/file_error.h"
#include "game/stage_desc.h"

namespace game {

inline constexpr const char* kSaveFileName = "save.bkm";
// The game's own stage set; a pack says how many stages it holds.
inline constexpr int kStageCount = 28;

std::string stageFileName(std::int32_t stage);   // "mmap3.bkm"
std::string answerFileName(std::int32_t stage);  // "amap3.bkm"

// The program folder as text ending in "/"; an empty folder is the current
// one, never the root of the file system.
std::string folderText(const std::string& folder);

// The bytes of a stage or answer file, as many as lines 1 to 11 can take (see
// kMaxStageBytes). Only a regular file is read: a folder, named pipe, device
// or socket of that name is an error saying so.
FileResult<std::string> readStageBytes(const std::string& folder, const std::string& fileName);

// Reads and parses a stage file, and an answer file into `desc`; `lines`
// receives the lines as far as they were read (see parseStageText).
FileResult<StageDesc> readStageFile(const std::string& folder, const std::string& fileName,
                                    MapLines* lines = nullptr);
std::optional<FileError> readAnswerFile(const std::string& folder, const std::string& fileName,
                                        StageDesc& desc, MapLines* lines = nullptr);

// Lines 1 to 11 of a stage or answer file under the line rules of
// splitMapLines, the file read as readStageBytes reads it.
MapRead readMapLines(const std::string& folder, const std::string& fileName);
FileResult<MapLines> readMapFile(const std::string& folder, const std::string& fileName);

// Reads the save file's first field: blanks around it are ignored, and it ends
// at a comma, a line end or the end of the file. It must be a stage number.
FileResult<std::int32_t> readSaveFile(const std::string& folder);

// Replaces the save file with the number and CR LF, as writeFileDurably
// replaces a file: a crash never leaves a torn save.
std::optional<FileError> writeSaveFile(const std::string& folder, std::int32_t stage);

// True when anything has the save file's name, a link to nowhere included.
bool saveFileExists(const std::string& folder);

// The save file's bytes, for the replay driver's snapshots; nothing when the
// file is missing.
std::optional<std::string> readSaveBytes(const std::string& folder);

}  // namespace game
