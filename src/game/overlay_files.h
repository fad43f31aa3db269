#pragma once

#include <string>

#include "game/file_io.h"
#include "game/memory_files.h"

namespace game {

// A folder held in memory laid over the disk: a path inside `folder` is
// answered by the memory files, any other by the file layer underneath. A
// pack file plays this way, its stages in memory and its save on the disk.
class OverlayFiles : public FileIo {
public:
    OverlayFiles(std::string folder, FileIo& below);

    MemoryFiles& memory() { return memory_; }

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
    bool inMemory(const std::string& path) const;
    static bool isMemoryFd(int fd);

    std::string folder_;  // as MemoryFiles keeps it, no "/" at its end
    MemoryFiles memory_;
    FileIo& below_;
};

}  // namespace game
