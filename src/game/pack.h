#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/file_error.h"
#include "game/stage_desc.h"

namespace game {

// A pack is a folder of stages mmap1..N.bkm with their answers amap1..N.bkm,
// and pack.ini:
//   [Pack]
//   Name=Tower of Pools
//   Author=...
//   License=CC-BY-SA-4.0
//   Stages=3
inline constexpr const char* kPackFileName = "pack.ini";
inline constexpr int kMaxPackStages = 99;

struct PackInfo {
    std::string name;
    std::string author;
    std::string license;
    int stageCount = 0;  // 1..kMaxPackStages
    bool operator==(const PackInfo&) const = default;
};

struct Pack {
    PackInfo info;
    std::vector<StageDesc> stages;  // stage n at n - 1, its answer with it
};

// Parses and validates pack.ini: keys of the [Pack] section, blanks around
// keys and values ignored, lines starting ";" or "#" and keys it does not
// know skipped. Stages must be a whole number from 1 to kMaxPackStages.
// Errors name pack.ini and the line where there is one.
FileResult<PackInfo> parsePackText(std::string_view text);
// pack.ini as the workshop writes it, CR LF at each line's end.
std::string writePackText(const PackInfo& info);

// Whether the folder is a pack: anything named pack.ini, a link to nowhere
// included, makes it one (and a broken one is an error, not the game's own).
bool isPack(const std::string& folder);
FileResult<PackInfo> readPackInfo(const std::string& folder);

// How many stages the folder holds: its pack.ini's count, or the game's own
// kStageCount without one.
FileResult<int> folderStageCount(const std::string& folder);

// Reads pack.ini and every stage and answer file it counts, each validated as
// the game would when it comes to play it.
FileResult<Pack> openPack(const std::string& folder);

// The game's own kStageCount stages, from a folder without pack.ini, as a
// pack named kGameStagesName.
inline constexpr const char* kGameStagesName = "Lumora";
inline constexpr const char* kGameStagesLicense = "CC-BY-SA-4.0";  // as COPYING.CC-BY-SA-4.0 says
FileResult<Pack> openGameStages(const std::string& folder);

// Whether a pack may be saved to the folder: one that is missing, empty or a
// pack and nothing else. A folder holding anything more is refused, so a save
// never mixes a pack into other files (the game's own stages among them) nor
// takes them away with the pack it replaces.
std::optional<FileError> checkPackFolder(const std::string& folder);

// Saves the pack whole or not at all. The new pack is written into a fresh
// folder beside the old one, NAME.saving (hidden, a dot in front), every file
// and the folder flushed to the disk; then the two folders swap names in one
// step and the old pack is taken away. A failure or a kill at any moment
// leaves the folder holding the old pack or the new one, whole, and never a
// stage past the pack's count.
//
// Where the file system cannot swap two folders in one step, the old folder
// is first renamed to NAME.old beside it and the new one then takes its name.
// A crash between the two leaves no folder of that name, the old pack whole in
// NAME.old and the new one whole in NAME.saving; the next save puts the old
// one back before it starts, and a person can rename either into place.
//
// Makes the folders above when missing. What would not read back as it is is
// refused before anything is written, and so is a folder checkPackFolder
// refuses.
//
// `solutions`, when given, holds a replay script for each stage ("" for none),
// written into the folder's solutions/ as the game's own stages keep theirs.
std::optional<FileError> writePack(const std::string& folder, const Pack& pack,
                                   const std::vector<std::string>& solutions = {});

// What writePack refuses before writing: a count out of step with the stages,
// a name, author or licence that would not read back, a stage that would not.
std::optional<FileError> checkPackWritable(const Pack& pack);

// The folder inside a pack folder that holds its solutions, and stage n's.
inline constexpr const char* kSolutionsFolder = "solutions";
std::string solutionFileName(int stage);  // "solutions/stage3.replay"

}  // namespace game
