#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace game {

// What a name in the file system turns out to be.
enum class FileKind { Regular, Folder, Fifo, Device, Socket, Link, Other };

// Every call the file code makes to the operating system passes through here,
// so that a test can put a failing disk underneath the whole game. Results
// follow one rule: a negative value is minus the errno.
class FileIo {
public:
    virtual ~FileIo() = default;

    // The calls that can fail half way through a file operation.
    virtual int open(const std::string& path, int flags, unsigned mode);  // a descriptor
    virtual long read(int fd, char* buf, std::size_t size);
    virtual long write(int fd, const char* buf, std::size_t size);
    virtual int flush(int fd);  // to the disk, not just to the system
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
    // Swaps two names in one step, folders included; -EINVAL or -ENOSYS where
    // the file system or the kernel cannot.
    virtual int exchange(const std::string& a, const std::string& b);
    virtual int flushFolder(const std::string& folder);
    virtual int makeFolder(const std::string& path);  // for the owner alone
    // The permission bits (07777) of a file or folder, and setting them.
    virtual int permissions(const std::string& path, unsigned& mode);
    virtual int setPermissions(const std::string& path, unsigned mode);

    // Questions and clean-up.
    virtual int kindOf(const std::string& path, bool followLinks, FileKind& kind);
    virtual int kindOf(int fd, FileKind& kind);
    virtual int readLink(const std::string& path, std::string& target);
    virtual int remove(const std::string& path);
    virtual int removeFolder(const std::string& path);  // an empty one
    // The names in a folder, "." and ".." left out.
    virtual int listFolder(const std::string& path, std::vector<std::string>& names);
    // When the file's contents last changed, in seconds since 1970.
    virtual int modifiedTime(const std::string& path, std::int64_t& seconds);

    // Opens the file, making it when missing, and holds an exclusive lock on
    // it until the descriptor is closed: a descriptor, or -EWOULDBLOCK while
    // another holds it. The system lets go of it when its holder dies,
    // however it dies, and no lock outlives a reboot.
    virtual int lock(const std::string& path);
};

// The file layer in use: the operating system's, unless a test put another in.
FileIo& fileIo();

// Puts `io` under the file code for as long as this object lives.
class ScopedFileIo {
public:
    explicit ScopedFileIo(FileIo& io);
    ~ScopedFileIo();
    ScopedFileIo(const ScopedFileIo&) = delete;
    ScopedFileIo& operator=(const ScopedFileIo&) = delete;

private:
    FileIo* previous_;
};

}  // namespace game
