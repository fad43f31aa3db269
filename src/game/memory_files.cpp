#include "game/memory_files.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

namespace game {

namespace {

const std::string& keyOf(const std::string& key) { return key; }
template <class V>
const std::string& keyOf(const std::pair<const std::string, V>& entry) {
    return entry.first;
}

// Renames `from` and every name below it to the same under `to`.
template <class Table>
void rekey(Table& table, const std::string& from, const std::string& to) {
    std::vector<std::string> keys;
    for (const auto& entry : table) {
        const std::string& key = keyOf(entry);
        if (key == from || key.rfind(from + "/", 0) == 0) keys.push_back(key);
    }
    for (const std::string& key : keys) {
        auto node = table.extract(key);
        if constexpr (requires { node.key(); })
            node.key() = to + key.substr(from.size());
        else
            node.value() = to + key.substr(from.size());
        table.insert(std::move(node));
    }
}

}  // namespace

MemoryFiles::MemoryFiles(std::string folder) : folder_(plain(folder)) { folders_.insert(folder_); }

// "a/b/" and "a/b" are the same folder; "a//b" is "a/b".
std::string MemoryFiles::plain(const std::string& path) {
    std::string out;
    for (char ch : path)
        if (ch != '/' || out.empty() || out.back() != '/') out.push_back(ch);
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

std::string MemoryFiles::parentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string MemoryFiles::pathOf(const std::string& name) const {
    return plain(folder_ + "/" + name);
}

// The folders the memory folder lies in are there, as it is.
bool MemoryFiles::isFolder(const std::string& path) const {
    const std::string p = plain(path);
    if (folders_.count(p) != 0) return true;
    return p == "/" || (folder_.size() > p.size() && folder_.rfind(p + "/", 0) == 0);
}

bool MemoryFiles::exists(const std::string& path) const {
    return isFolder(path) || files_.count(plain(path)) != 0;
}

void MemoryFiles::touch(const std::string& path) {
    modified_[path] = static_cast<std::int64_t>(std::time(nullptr));
}

void MemoryFiles::move(const std::string& from, const std::string& to) {
    rekey(files_, from, to);
    rekey(folders_, from, to);
    rekey(modes_, from, to);
    rekey(modified_, from, to);
    for (auto& [fd, o] : open_)
        if (o.path == from || o.path.rfind(from + "/", 0) == 0)
            o.path = to + o.path.substr(from.size());
}

void MemoryFiles::put(const std::string& name, std::string bytes) {
    files_[pathOf(name)] = std::move(bytes);
    touch(pathOf(name));
}

std::optional<std::string> MemoryFiles::get(const std::string& name) const {
    const auto it = files_.find(pathOf(name));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

int MemoryFiles::open(const std::string& path, int flags, unsigned mode) {
    const std::string p = plain(path);
    const bool there = files_.count(p) != 0;
    if ((there || isFolder(p)) && (flags & O_CREAT) && (flags & O_EXCL)) return -EEXIST;
    if (isFolder(p)) return -EISDIR;
    if (!there && !isFolder(parentOf(p))) return -ENOENT;
    if (!there && !(flags & O_CREAT)) return -ENOENT;
    if (!there) modes_[p] = mode & 07777u;
    if (!there || ((flags & O_TRUNC) && (flags & O_ACCMODE) != O_RDONLY)) {
        files_[p].clear();
        touch(p);
    }
    const int fd = nextFd_++;
    open_[fd] = {p, 0, flags};
    return fd;
}

long MemoryFiles::read(int fd, char* buf, std::size_t size) {
    const auto it = open_.find(fd);
    if (it == open_.end() || (it->second.flags & O_ACCMODE) == O_WRONLY) return -EBADF;
    const std::string& bytes = files_[it->second.path];
    const std::size_t n = std::min(size, bytes.size() - std::min(bytes.size(), it->second.at));
    std::memcpy(buf, bytes.data() + it->second.at, n);
    it->second.at += n;
    return static_cast<long>(n);
}

long MemoryFiles::write(int fd, const char* buf, std::size_t size) {
    const auto it = open_.find(fd);
    if (it == open_.end() || (it->second.flags & O_ACCMODE) == O_RDONLY) return -EBADF;
    std::string& bytes = files_[it->second.path];
    touch(it->second.path);
    if (bytes.size() < it->second.at + size) bytes.resize(it->second.at + size);
    std::memcpy(bytes.data() + it->second.at, buf, size);
    it->second.at += size;
    return static_cast<long>(size);
}

int MemoryFiles::flush(int fd) { return open_.count(fd) != 0 ? 0 : -EBADF; }

int MemoryFiles::close(int fd) {
    const auto it = open_.find(fd);
    if (it == open_.end()) return -EBADF;
    if (it->second.locks) locked_.erase(it->second.path);
    open_.erase(it);
    return 0;
}

int MemoryFiles::rename(const std::string& from, const std::string& to) {
    const std::string a = plain(from), b = plain(to);
    if (!exists(a)) return -ENOENT;
    if (!isFolder(parentOf(b))) return -ENOENT;
    if (a == b) return 0;
    if (isFolder(a)) {
        if (b.rfind(a + "/", 0) == 0) return -EINVAL;  // into itself
        if (files_.count(b) != 0) return -ENOTDIR;
        if (isFolder(b)) {
            std::vector<std::string> names;
            listFolder(b, names);
            if (!names.empty()) return -ENOTEMPTY;
            folders_.erase(b);
        }
    } else if (isFolder(b)) {
        return -EISDIR;
    } else {
        files_.erase(b);
        modes_.erase(b);
        modified_.erase(b);
    }
    move(a, b);
    return 0;
}

int MemoryFiles::exchange(const std::string& a, const std::string& b) {
    const std::string x = plain(a), y = plain(b);
    if (!exists(x) || !exists(y)) return -ENOENT;
    if (x == y) return 0;
    if (y.rfind(x + "/", 0) == 0 || x.rfind(y + "/", 0) == 0) return -EINVAL;
    // Through a name neither can hold: a "/" never ends a plain path.
    const std::string aside = x + "/";
    move(x, aside);
    move(y, x);
    move(aside, y);
    return 0;
}

int MemoryFiles::flushFolder(const std::string& folder) {
    if (isFolder(folder)) return 0;
    return files_.count(plain(folder)) != 0 ? -ENOTDIR : -ENOENT;
}

int MemoryFiles::makeFolder(const std::string& path) {
    const std::string p = plain(path);
    if (exists(p)) return -EEXIST;
    if (!isFolder(parentOf(p))) return files_.count(parentOf(p)) != 0 ? -ENOTDIR : -ENOENT;
    folders_.insert(p);
    modes_[p] = 0700;
    touch(p);
    return 0;
}

int MemoryFiles::permissions(const std::string& path, unsigned& mode) {
    const std::string p = plain(path);
    if (!exists(p)) return -ENOENT;
    const auto it = modes_.find(p);
    mode = it != modes_.end() ? it->second : isFolder(p) ? 0700u : 0600u;
    return 0;
}

int MemoryFiles::setPermissions(const std::string& path, unsigned mode) {
    const std::string p = plain(path);
    if (!exists(p)) return -ENOENT;
    modes_[p] = mode & 07777u;
    return 0;
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
    const std::string p = plain(path);
    if (isFolder(p)) return -EISDIR;
    if (files_.erase(p) == 0) return -ENOENT;
    modes_.erase(p);
    modified_.erase(p);
    return 0;
}

int MemoryFiles::removeFolder(const std::string& path) {
    const std::string p = plain(path);
    if (files_.count(p) != 0) return -ENOTDIR;
    if (!isFolder(p)) return -ENOENT;
    std::vector<std::string> names;
    listFolder(p, names);
    if (!names.empty() || folders_.count(p) == 0) return -ENOTEMPTY;
    folders_.erase(p);
    modes_.erase(p);
    modified_.erase(p);
    return 0;
}

int MemoryFiles::listFolder(const std::string& path, std::vector<std::string>& names) {
    const std::string p = plain(path);
    if (files_.count(p) != 0) return -ENOTDIR;
    if (!isFolder(p)) return -ENOENT;
    names.clear();
    const std::string prefix = p == "/" ? p : p + "/";
    auto take = [&](const std::string& entry) {
        if (entry.size() > prefix.size() && entry.rfind(prefix, 0) == 0 &&
            entry.find('/', prefix.size()) == std::string::npos)
            names.push_back(entry.substr(prefix.size()));
    };
    for (const auto& [file, bytes] : files_) take(file);
    for (const std::string& folder : folders_) take(folder);
    // The memory folder shows in the folders it lies in.
    if (folder_.size() > prefix.size() && folder_.rfind(prefix, 0) == 0)
        take(folder_.substr(0, folder_.find('/', prefix.size())));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return 0;
}

int MemoryFiles::modifiedTime(const std::string& path, std::int64_t& seconds) {
    const std::string p = plain(path);
    if (!exists(p)) return -ENOENT;
    const auto it = modified_.find(p);
    seconds = it != modified_.end() ? it->second : 0;
    return 0;
}

// The lock lives as long as the descriptor it came with, as the system's does.
int MemoryFiles::lock(const std::string& path) {
    const std::string p = plain(path);
    const int fd = open(p, O_RDWR | O_CREAT, 0600);
    if (fd < 0) return fd;
    if (!locked_.insert(p).second) {
        close(fd);
        return -EWOULDBLOCK;
    }
    open_[fd].locks = true;
    return fd;
}

}  // namespace game
