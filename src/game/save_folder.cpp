#include "game/save_folder.h"

#include <fcntl.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include "game/file_io.h"

namespace game {

namespace fs = std::filesystem;

std::string playerDataFolder(const std::string& xdgDataHome, const std::string& home) {
    // A relative XDG_DATA_HOME is invalid and must be ignored, not resolved
    // against whatever folder the game happens to start in.
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/')
        return folderText(xdgDataHome) + "lumora";
    if (!home.empty() && home.front() == '/') return folderText(home) + ".local/share/lumora";
    return {};
}

bool folderIsWritable(const std::string& folder) {
    if (folder.empty()) return false;
    std::random_device random;
    for (int tries = 0; tries < 3; ++tries) {
        const std::string probe =
            folderText(folder) + ".save.bkm.probe." + std::to_string(random());
        const int fd =
            fileIo().open(probe, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd == -EEXIST) continue;
        if (fd < 0) return false;
        fileIo().close(fd);
        fileIo().remove(probe);
        return true;
    }
    return false;
}

std::string chooseSaveFolder(const std::string& preferred, const std::string& xdgDataHome,
                             const std::string& home) {
    if (!preferred.empty() && folderIsWritable(preferred)) return preferred;
    return playerDataFolder(xdgDataHome, home);
}

std::optional<FileError> makeSaveFolder(const std::string& folder) {
    const std::string savePath = folderText(folder) + kSaveFileName;
    auto isFolder = [](const std::string& path) {
        FileKind kind{};
        return fileIo().kindOf(path, true, kind) == 0 && kind == FileKind::Folder;
    };
    if (isFolder(folderText(folder))) return std::nullopt;
    fs::path p = fs::path(folder).lexically_normal();
    if (!p.has_filename()) p = p.parent_path();
    std::vector<fs::path> missing;
    for (FileKind kind{}; p.has_relative_path() && fileIo().kindOf(p.string(), true, kind) < 0;
         p = p.parent_path())
        missing.push_back(p);
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        const int r = fileIo().makeFolder(it->string());
        if (r < 0 && r != -EEXIST)
            return FileError{std::string(kSaveFileName) + ": cannot write " + savePath +
                             " (cannot make the folder " + it->string() + ": " +
                             std::generic_category().message(-r) + ")"};
    }
    if (!isFolder(folderText(folder)))
        return FileError{std::string(kSaveFileName) + ": cannot write " + savePath + " (" + folder +
                         " is not a folder)"};
    return std::nullopt;
}

GameFolders findGameFolders(const std::string& exeFolder, const std::string& dataFromBin,
                            const std::string& xdgDataHome, const std::string& home) {
    FileKind kind{};
    const bool ownFolder =
        fileIo().kindOf((fs::path(exeFolder) / stageFileName(1)).string(), true, kind) == 0;
    GameFolders f;
    f.stages =
        ownFolder ? exeFolder : (fs::path(exeFolder) / dataFromBin).lexically_normal().string();
    f.save = chooseSaveFolder(ownFolder ? exeFolder : std::string(), xdgDataHome, home);
    return f;
}

}  // namespace game
