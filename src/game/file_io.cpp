#include "game/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace game {
namespace {

// A signal arriving mid-call is no reason to give up on the file.
template <class Call>
long retried(Call call) {
    long r;
    do {
        r = call();
    } while (r < 0 && errno == EINTR);
    return r < 0 ? -errno : r;
}

FileKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Folder;
    if (S_ISFIFO(mode)) return FileKind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
    if (S_ISSOCK(mode)) return FileKind::Socket;
    if (S_ISLNK(mode)) return FileKind::Link;
    return FileKind::Other;
}

// Each thread has its own: a check of a solution playing the game on files
// in memory on a proving thread must not take the files from under the game
// the player is playing on another.
thread_local FileIo* current = nullptr;

}  // namespace

int FileIo::open(const std::string& path, int flags, unsigned mode) {
    return static_cast<int>(retried([&] { return ::open(path.c_str(), flags, mode); }));
}

long FileIo::read(int fd, char* buf, std::size_t size) {
    return retried([&] { return ::read(fd, buf, size); });
}

long FileIo::write(int fd, const char* buf, std::size_t size) {
    return retried([&] { return ::write(fd, buf, size); });
}

int FileIo::flush(int fd) {
    return static_cast<int>(retried([&] { return ::fsync(fd); }));
}

// close() is not retried: the descriptor is gone whatever it answers.
int FileIo::close(int fd) { return ::close(fd) < 0 && errno != EINTR ? -errno : 0; }

int FileIo::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) < 0 ? -errno : 0;
}

#ifndef RENAME_EXCHANGE
#define RENAME_EXCHANGE (1 << 1)
#endif

// Through the system call itself: a C library older than the kernel may not
// have renameat2, and then the kernel still answers ENOSYS or EINVAL.
int FileIo::exchange(const std::string& a, const std::string& b) {
#ifdef SYS_renameat2
    return ::syscall(SYS_renameat2, AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) < 0
               ? -errno
               : 0;
#else
    (void)a;
    (void)b;
    return -ENOSYS;
#endif
}

// One call as the seam sees it, so a test counts a folder flush once.
int FileIo::flushFolder(const std::string& folder) {
    const int fd = static_cast<int>(
        retried([&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (fd < 0) return fd;
    const int r = static_cast<int>(retried([&] { return ::fsync(fd); }));
    ::close(fd);
    return r;
}

int FileIo::makeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0700) < 0 ? -errno : 0;
}

int FileIo::permissions(const std::string& path, unsigned& mode) {
    struct stat st {};
    if (::stat(path.c_str(), &st) < 0) return -errno;
    mode = static_cast<unsigned>(st.st_mode) & 07777u;
    return 0;
}

int FileIo::setPermissions(const std::string& path, unsigned mode) {
    return ::chmod(path.c_str(), static_cast<mode_t>(mode)) < 0 ? -errno : 0;
}

int FileIo::kindOf(const std::string& path, bool followLinks, FileKind& kind) {
    struct stat st {};
    const int r = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (r < 0) return -errno;
    kind = kindOfMode(st.st_mode);
    return 0;
}

int FileIo::kindOf(int fd, FileKind& kind) {
    struct stat st {};
    if (::fstat(fd, &st) < 0) return -errno;
    kind = kindOfMode(st.st_mode);
    return 0;
}

int FileIo::readLink(const std::string& path, std::string& target) {
    char buf[4096];
    const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
    if (n < 0) return -errno;
    if (static_cast<std::size_t>(n) == sizeof buf) return -ENAMETOOLONG;
    target.assign(buf, static_cast<std::size_t>(n));
    return 0;
}

int FileIo::remove(const std::string& path) { return ::unlink(path.c_str()) < 0 ? -errno : 0; }

int FileIo::removeFolder(const std::string& path) { return ::rmdir(path.c_str()) < 0 ? -errno : 0; }

int FileIo::modifiedTime(const std::string& path, std::int64_t& seconds) {
    struct stat st {};
    if (::stat(path.c_str(), &st) < 0) return -errno;
    seconds = static_cast<std::int64_t>(st.st_mtime);
    return 0;
}

int FileIo::lock(const std::string& path) {
    const int fd = static_cast<int>(retried(
        [&] { return ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600); }));
    if (fd < 0) return fd;
    const int r = static_cast<int>(retried([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }));
    if (r < 0) ::close(fd);
    return r < 0 ? r : fd;
}

int FileIo::listFolder(const std::string& path, std::vector<std::string>& names) {
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) return -errno;
    names.clear();
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    const int err = errno;
    ::closedir(dir);
    return err != 0 ? -err : 0;
}

FileIo& fileIo() {
    static FileIo system;
    return current != nullptr ? *current : system;
}

ScopedFileIo::ScopedFileIo(FileIo& io) : previous_(current) { current = &io; }

ScopedFileIo::~ScopedFileIo() { current = previous_; }

}  // namespace game
