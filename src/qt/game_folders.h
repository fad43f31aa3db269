#pragma once

#include <string>

namespace qtfront {

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

}  // namespace qtfront
