#include "game/overlay_files.h"

#include <cerrno>

namespace game {
namespace {

// The memory files number their descriptors from 3, as the system does; moved
// up past any the system hands out, the two never meet.
constexpr int kMemoryFdBase = 1 << 28;

}  // namespace

OverlayFiles::OverlayFiles(std::string folder, FileIo& below)
    : folder_(std::move(folder)), memory_(folder_), below_(below) {
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

bool OverlayFiles::inMemory(const std::string& path) const {
    if (!path.starts_with(folder_)) return false;
    return path.size() == folder_.size() || path[folder_.size()] == '/';
}

bool OverlayFiles::isMemoryFd(int fd) { return fd >= kMemoryFdBase; }

int OverlayFiles::open(const std::string& path, int flags, unsigned mode) {
    if (!inMemory(path)) return below_.open(path, flags, mode);
    const int fd = memory_.open(path, flags, mode);
    return fd < 0 ? fd : fd + kMemoryFdBase;
}

long OverlayFiles::read(int fd, char* buf, std::size_t size) {
    return isMemoryFd(fd) ? memory_.read(fd - kMemoryFdBase, buf, size)
                          : below_.read(fd, buf, size);
}

long OverlayFiles::write(int fd, const char* buf, std::size_t size) {
    return isMemoryFd(fd) ? memory_.write(fd - kMemoryFdBase, buf, size)
                          : below_.write(fd, buf, size);
}

int OverlayFiles::flush(int fd) {
    return isMemoryFd(fd) ? memory_.flush(fd - kMemoryFdBase) : below_.flush(fd);
}

int OverlayFiles::close(int fd) {
    return isMemoryFd(fd) ? memory_.close(fd - kMemoryFdBase) : below_.close(fd);
}

int OverlayFiles::kindOf(int fd, FileKind& kind) {
    return isMemoryFd(fd) ? memory_.kindOf(fd - kMemoryFdBase, kind) : below_.kindOf(fd, kind);
}

// A file cannot move between memory and the disk in one step, as it cannot
// between two file systems.
int OverlayFiles::rename(const std::string& from, const std::string& to) {
    if (inMemory(from) != inMemory(to)) return -EXDEV;
    return inMemory(from) ? memory_.rename(from, to) : below_.rename(from, to);
}

int OverlayFiles::exchange(const std::string& a, const std::string& b) {
    if (inMemory(a) != inMemory(b)) return -EXDEV;
    return inMemory(a) ? memory_.exchange(a, b) : below_.exchange(a, b);
}

int OverlayFiles::flushFolder(const std::string& folder) {
    return inMemory(folder) ? memory_.flushFolder(folder) : below_.flushFolder(folder);
}

int OverlayFiles::makeFolder(const std::string& path) {
    return inMemory(path) ? memory_.makeFolder(path) : below_.makeFolder(path);
}

int OverlayFiles::permissions(const std::string& path, unsigned& mode) {
    return inMemory(path) ? memory_.permissions(path, mode) : below_.permissions(path, mode);
}

int OverlayFiles::setPermissions(const std::string& path, unsigned mode) {
    return inMemory(path) ? memory_.setPermissions(path, mode) : below_.setPermissions(path, mode);
}

int OverlayFiles::kindOf(const std::string& path, bool followLinks, FileKind& kind) {
    return inMemory(path) ? memory_.kindOf(path, followLinks, kind)
                          : below_.kindOf(path, followLinks, kind);
}

int OverlayFiles::readLink(const std::string& path, std::string& target) {
    return inMemory(path) ? memory_.readLink(path, target) : below_.readLink(path, target);
}

int OverlayFiles::remove(const std::string& path) {
    return inMemory(path) ? memory_.remove(path) : below_.remove(path);
}

int OverlayFiles::removeFolder(const std::string& path) {
    return inMemory(path) ? memory_.removeFolder(path) : below_.removeFolder(path);
}

int OverlayFiles::listFolder(const std::string& path, std::vector<std::string>& names) {
    return inMemory(path) ? memory_.listFolder(path, names) : below_.listFolder(path, names);
}

int OverlayFiles::modifiedTime(const std::string& path, std::int64_t& seconds) {
    return inMemory(path) ? memory_.modifiedTime(path, seconds)
                          : below_.modifiedTime(path, seconds);
}

int OverlayFiles::lock(const std::string& path) {
    if (!inMemory(path)) return below_.lock(path);
    const int fd = memory_.lock(path);
    return fd < 0 ? fd : fd + kMemoryFdBase;
}

}  // namespace game
