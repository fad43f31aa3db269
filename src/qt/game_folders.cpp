#include "qt/game_folders.h"

#include <filesystem>
#include <system_error>

#include "game/files.h"
#include "game/save_folder.h"

namespace qtfront {

GameFolders findGameFolders(const std::string& exeFolder, const std::string& dataFromBin,
                            const std::string& xdgDataHome, const std::string& home) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool ownFolder = fs::exists(fs::path(exeFolder) / game::stageFileName(1), ec);
    GameFolders f;
    f.stages =
        ownFolder ? exeFolder : (fs::path(exeFolder) / dataFromBin).lexically_normal().string();
    f.save = game::chooseSaveFolder(ownFolder ? exeFolder : std::string(), xdgDataHome, home);
    return f;
}

}  // namespace qtfront
