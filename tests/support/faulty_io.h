#pragma once

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "game/file_io.h"

namespace testing_support {

// The real file layer with a fault planted at the Nth call that can fail, the
// way a full or dying disk would answer. Every such call is logged with the
// name of the file it works on: "open save.bkm.new", "write save.bkm.new".
class FaultyIo : public game::FileIo {
public:
    // 0 plants no fault; the run then counts the calls.
    explicit FaultyIo(int failAt = 0, int err = EIO) : failAt_(failAt), err_(err) {}

    const std::vector<std::string>& calls() const { return calls_; }
    bool fired() const { return fired_; }

    int open(const std::string& path, int flags, unsigned mode) override {
        const std::string name = path.substr(path.rfind('/') + 1);
        if (fault("open " + name)) return -err_;
        const int fd = FileIo::open(path, flags, mode);
        if (fd >= 0) names_[fd] = name;
        return fd;
    }
    long read(int fd, char* buf, std::size_t size) override {
        return fault("read " + names_[fd]) ? -err_ : FileIo::read(fd, buf, size);
    }
    long write(int fd, const char* buf, std::size_t size) override {
        return fault("write " + names_[fd]) ? -err_ : FileIo::write(fd, buf, size);
    }
    int flush(int fd) override { return fault("flush " + names_[fd]) ? -err_ : FileIo::flush(fd); }
    int close(int fd) override {
        // The descriptor goes whatever close answers, as on Linux.
        const int r = FileIo::close(fd);
        return fault("close " + names_[fd]) ? -err_ : r;
    }
    int rename(const std::string& from, const std::string& to) override {
        return fault("rename " + from.substr(from.rfind('/') + 1)) ? -err_
                                                                   : FileIo::rename(from, to);
    }
    int makeFolder(const std::string& path) override {
        return fault("makeFolder " + path.substr(path.rfind('/') + 1)) ? -err_
                                                                       : FileIo::makeFolder(path);
    }
    int flushFolder(const std::string& folder) override {
        return fault("flushFolder") ? -err_ : FileIo::flushFolder(folder);
    }

private:
    bool fault(std::string call) {
        calls_.push_back(std::move(call));
        if (static_cast<int>(calls_.size()) != failAt_) return false;
        fired_ = true;
        return true;
    }
    int failAt_, err_;
    bool fired_ = false;
    std::vector<std::string> calls_;
    std::map<int, std::string> names_;
};

}  // namespace testing_support
