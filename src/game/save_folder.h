#pragma once

#include <optional>
#include <string>

#include "game/files.h"

namespace game {

// The player's own data folder for the game: $XDG_DATA_HOME/lumora, or
// ~/.local/share/lumora when that is unset, empty or not an absolute path.
// Empty (the current folder) when neither gives an absolute path.
std::string playerDataFolder(const std::string& xdgDataHome, const std::string& home);

// Whether a new file can be made in the folder right now, found by making one
// and taking it away again: permission bits do not tell about read-only mounts
// or about root.
bool folderIsWritable(const std::string& folder);

// Where save.bkm lives: the folder it belongs in (`preferred`, the program's
// own folder; empty for an installed game) when that can be written, otherwise
// the player's data folder.
std::string chooseSaveFolder(const std::string& preferred, const std::string& xdgDataHome,
                             const std::string& home);

// Makes a folder and the folders above it that are missing, new ones private
// to the player, for `fileName` to be written in it; the error names that file.
std::optional<FileError> makeFolderFor(const std::string& folder, const std::string& fileName);
std::optional<FileError> makeSaveFolder(const std::string& folder);

// Where the save of a pack played from the workshop lives, apart from the
// game's own: <player data folder>/packs/ID. ID is the pack folder's name
// (letters, digits, "-" and "_" kept, any other byte made "_", at most 32
// bytes; "pack" when nothing is left), "-", and the FNV-1a 32-bit hash of the
// folder's absolute path (made lexically normal, no "/" at its end) as eight
// lower-case hex digits, so two packs of one name never share a save. An
// error when there is no player data folder: the current folder would be the
// game's own.
FileResult<std::string> packSaveFolder(const std::string& packFolder,
                                       const std::string& xdgDataHome, const std::string& home);

struct GameFolders {
    std::string stages;  // where mmapN.bkm and amapN.bkm are read
    std::string save;    // where save.bkm is kept
};

// Run from its own folder (the build folder or a one-folder install, known by
// the stages lying beside the executable), the game keeps everything there.
// Installed, the stages lie at `dataFromBin` relative to the executable's
// folder, so the installation can be moved, and the save goes to the
// player's data folder. A save folder that cannot be written falls back to
// the player's data folder too.
GameFolders findGameFolders(const std::string& exeFolder, const std::string& dataFromBin,
                            const std::string& xdgDataHome, const std::string& home);

}  // namespace game
