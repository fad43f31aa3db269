#include "game/save_folder.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string_view>
#include <vector>

#include "game/file_io.h"

namespace game {

namespace fs = std::filesystem;

namespace {

// FNV-1a, 32 bits: small, fixed and documented, so a pack keeps its save
// from one version of the game to the next.
std::uint32_t fnv1a32(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char ch : bytes) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 16777619u;
    }
    return hash;
}

// The folder name with only letters, digits, "-" and "_" kept and no more
// than a folder name needs; the hash tells packs apart, not the name.
std::string safeName(const std::string& name) {
    constexpr std::size_t kLongest = 32;
    std::string out;
    for (const char ch : name.substr(0, kLongest)) {
        const bool safe = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                          (ch >= '0' && ch <= '9') || ch == '-' || ch == '_';
        out.push_back(safe ? ch : '_');
    }
    return out.empty() ? "pack" : out;
}

}  // namespace

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

std::optional<FileError> makeFolderFor(const std::string& folder, const std::string& fileName) {
    const std::string path = folderText(folder) + fileName;
    auto isFolder = [](const std::string& p) {
        FileKind kind{};
        return fileIo().kindOf(p, true, kind) == 0 && kind == FileKind::Folder;
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
            return cannot(fileName, FileAct::Write, path,
                          nested(phrase(kGameWords,
                                        QT_TRANSLATE_NOOP("Game", "cannot make the folder %1: %2"),
                                        {it->string(), describeErrno(-r)})));
    }
    if (!isFolder(folderText(folder)))
        return cannot(
            fileName, FileAct::Write, path,
            nested(phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 is not a folder"), {folder})));
    return std::nullopt;
}

std::optional<FileError> makeSaveFolder(const std::string& folder) {
    return makeFolderFor(folder, kSaveFileName);
}

FileResult<std::string> packSaveFolder(const std::string& packFolder,
                                       const std::string& xdgDataHome, const std::string& home) {
    const std::string data = playerDataFolder(xdgDataHome, home);
    if (data.empty())
        return FileError{phrase(kGameWords,
                                QT_TRANSLATE_NOOP("Game",
                                                  "%1: no folder for the pack's save (neither "
                                                  "XDG_DATA_HOME nor HOME is an absolute path)"),
                                {std::string(kSaveFileName)})};
    std::error_code ec;
    fs::path path = fs::absolute(packFolder, ec).lexically_normal();
    if (ec) return cannot(kSaveFileName, FileAct::FindFolderOf, packFolder, ec.message());
    if (!path.has_filename()) path = path.parent_path();
    char hash[9];
    std::snprintf(hash, sizeof hash, "%08x", fnv1a32(path.string()));
    return folderText(data) + "packs/" + safeName(path.filename().string()) + "-" + hash;
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
