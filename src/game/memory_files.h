#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "game/file_io.h"

namespace game {

// Files held in memory behind the game's file seam: a checking run of the
// game reads its stage, answer and save from here and writes its save back
// here, and nothing touches a disk. Names are paths as the file code builds
// them; one folder holds the files put in it, and folders made below it hold
// theirs. Every call answers as the disk would, with its errors, and none of
// them reaches the disk: the folders above the memory folder exist and hold
// nothing else.
class MemoryFiles : public FileIo {
public:
    explicit MemoryFiles(std::string folder);

    const std::string& folder() const { return folder_; }
    void put(const std::string& name, std::string bytes);
    std::optional<std::string> get(const std::string& name) const;

    int open(const std::string& path, int flags, unsigned mode) override;
    long read(int fd, char* buf, std::size_t size) override;
    long write(int fd, const char* buf, std::size_t size) override;
    int flush(int fd) override;
    int close(int fd) override;
    int rename(const std::string& from, const std::string& to) override;
    int exchange(const std::string& a, const std::string& b) override;
    int flushFolder(const std::string& folder) override;
    int makeFolder(const std::string& path) override;
    int permissions(const std::string& path, unsigned& mode) override;
    int setPermissions(const std::string& path, unsigned mode) override;
    int kindOf(const std::string& path, bool followLinks, FileKind& kind) override;
    int kindOf(int fd, FileKind& kind) override;
    int readLink(const std::string& path, std::string& target) override;
    int remove(const std::string& path) override;
    int removeFolder(const std::string& path) override;
    int listFolder(const std::string& path, std::vector<std::string>& names) override;
    int modifiedTime(const std::string& path, std::int64_t& seconds) override;
    int lock(const std::string& path) override;

private:
    struct Open {
        std::string path;
        std::size_t at = 0;
        int flags = 0;
        bool locks = false;  // holds the lock on its path
    };
    static std::string plain(const std::string& path);
    static std::string parentOf(const std::string& path);
    std::string pathOf(const std::string& name) const;
    bool isFolder(const std::string& path) const;
    bool exists(const std::string& path) const;
    // Moves a file or a folder with all it holds to a name that is free.
    void move(const std::string& from, const std::string& to);
    void touch(const std::string& path);

    std::string folder_;
    std::set<std::string> folders_;
    std::map<std::string, std::string> files_;
    std::map<int, Open> open_;
    std::map<std::string, unsigned> modes_;
    std::map<std::string, std::int64_t> modified_;
    std::set<std::string> locked_;
    int nextFd_ = 3;
};

}  // namespace game
