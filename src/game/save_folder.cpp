#include "game/save_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

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
    std::string probe = folderText(folder) + ".save.bkm.probe.XXXXXX";
    const int fd = mkstemp(probe.data());
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

std::string chooseSaveFolder(const std::string& preferred, const std::string& xdgDataHome,
                             const std::string& home) {
    if (!preferred.empty() && folderIsWritable(preferred)) return preferred;
    return playerDataFolder(xdgDataHome, home);
}

std::optional<FileError> makeSaveFolder(const std::string& folder) {
    const std::string savePath = folderText(folder) + kSaveFileName;
    std::error_code ec;
    if (fs::is_directory(folderText(folder), ec)) return std::nullopt;
    fs::path p = fs::path(folder).lexically_normal();
    if (!p.has_filename()) p = p.parent_path();
    std::vector<fs::path> missing;
    for (; p.has_relative_path() && !fs::exists(p, ec); p = p.parent_path()) missing.push_back(p);
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (!fs::create_directory(*it, ec) && ec)
            return FileError{std::string(kSaveFileName) + ": cannot write " + savePath +
                             " (cannot make the folder " + it->string() + ": " + ec.message() +
                             ")"};
        fs::permissions(*it, fs::perms::owner_all, ec);
    }
    if (!fs::is_directory(folderText(folder), ec))
        return FileError{std::string(kSaveFileName) + ": cannot write " + savePath + " (" + folder +
                         " is not a folder)"};
    return std::nullopt;
}

}  // namespace game
