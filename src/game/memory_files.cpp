#include "game/memory_files.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace game {

MemoryFiles::MemoryFiles(std::string folder) : folder_(plain(folder)) { folders_.insert(folder_); }

// "a/b/" and "a/b" are the same folder; "a//b" is "a/b".
std::string MemoryFiles::plain(const std::string& path) {
    std::string out;
    for (char ch : path)
        if (ch != '/' || out.empty() || out.back() != '/') out.push_back(ch);
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

std::string MemoryFiles::pathOf(const std::string& name) const {
    return plain(folder_ + "/" + name);
}

bool MemoryFiles::isFolder(const std::string& path) const {
    return folders_.count(plain(path)) != 0;
}

void MemoryFiles::put(const std::string& name, std::string bytes) {
    files_[pathOf(name)] = std::move(bytes);
}

std::optional<std::string> MemoryFiles::get(const std::string& name) const {
    const auto it = files_.find(pathOf(name));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

int MemoryFiles::open(const std::string& path, int flags, unsigned) {
    const std::string p = plain(path);
    if (isFolder(p)) return -EISDIR;
    const bool exists = files_.count(p) != 0;
    if (exists && (flags & O_CREAT) && (flags & O_EXCL)) return -EEXIST;
    if (!exists && !(flags & O_CREAT)) return -ENOENT;
    if (!exists || (flags & O_TRUNC)) files_[p].clear();
    const int fd = nextFd_++;
    open_[fd] = {p, 0};
    return fd;
}

long MemoryFiles::read(int fd, char* buf, std::size_t size) {
    const auto it = open_.find(fd);
    if (it == open_.end()) return -EBADF;
    const std::string& bytes = files_[it->second.path];
    const std::size_t n = std::min(size, bytes.size() - std::min(bytes.size(), it->second.at));
    std::memcpy(buf, bytes.data() + it->second.at, n);
    it->second.at += n;
    return static_cast<long>(n);
}

long MemoryFiles::write(int fd, const char* buf, std::size_t size) {
    const auto it = open_.find(fd);
    if (it == open_.end()) return -EBADF;
    std::string& bytes = files_[it->second.path];
    if (bytes.size() < it->second.at + size) bytes.resize(it->second.at + size);
    std::memcpy(bytes.data() + it->second.at, buf, size);
    it->second.at += size;
    return static_cast<long>(size);
}

int MemoryFiles::flush(int fd) { return open_.count(fd) != 0 ? 0 : -EBADF; }

int MemoryFiles::close(int fd) { return open_.erase(fd) != 0 ? 0 : -EBADF; }

int MemoryFiles::rename(const std::string& from, const std::string& to) {
    const auto it = files_.find(plain(from));
    if (it == files_.end()) return -ENOENT;
    std::string bytes = std::move(it->second);
    files_.erase(it);
    files_[plain(to)] = std::move(bytes);
    return 0;
}

int MemoryFiles::flushFolder(const std::string& folder) { return isFolder(folder) ? 0 : -ENOENT; }

int MemoryFiles::makeFolder(const std::string& path) {
    return folders_.insert(plain(path)).second ? 0 : -EEXIST;
}

int MemoryFiles::kindOf(const std::string& path, bool, FileKind& kind) {
    const std::string p = plain(path);
    if (isFolder(p)) {
        kind = FileKind::Folder;
        return 0;
    }
    if (files_.count(p) == 0) return -ENOENT;
    kind = FileKind::Regular;
    return 0;
}

int MemoryFiles::kindOf(int fd, FileKind& kind) {
    if (open_.count(fd) == 0) return -EBADF;
    kind = FileKind::Regular;
    return 0;
}

int MemoryFiles::readLink(const std::string& path, std::string&) {
    FileKind kind{};
    const int r = kindOf(path, false, kind);
    return r < 0 ? r : -EINVAL;  // nothing here is a link
}

int MemoryFiles::remove(const std::string& path) {
    return files_.erase(plain(path)) != 0 ? 0 : -ENOENT;
}

int MemoryFiles::listFolder(const std::string& path, std::vector<std::string>& names) {
    const std::string p = plain(path);
    if (!isFolder(p)) return -ENOENT;
    names.clear();
    for (const auto& [file, bytes] : files_)
        if (file.size() > p.size() + 1 && file.rfind(p + "/", 0) == 0 &&
            file.find('/', p.size() + 1) == std::string::npos)
            names.push_back(file.substr(p.size() + 1));
    return 0;
}

}  // namespace game
