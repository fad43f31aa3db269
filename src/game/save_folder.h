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

// Makes the save folder and the folders above it that are missing, new ones
// private to the player. The error names save.bkm in that folder.
std::optional<FileError> makeSaveFolder(const std::string& folder);

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
