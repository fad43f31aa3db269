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
// Taking files and folders away fails too once a run asks for the clean-up's
// faults as well.
class FaultyIo : public game::FileIo {
public:
    enum class Fault {
        Once,        // the Nth call alone fails
        FromThenOn,  // the Nth and every call after it: a process killed there
    };
    // 0 plants no fault; the run then counts the calls.
    explicit FaultyIo(int failAt = 0, int err = EIO, Fault fault = Fault::Once,
                      bool cleanUpToo = false)
        : failAt_(failAt), err_(err), mode_(fault), cleanUpToo_(cleanUpToo) {}

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
    int exchange(const std::string& a, const std::string& b) override {
        return fault("exchange " + leaf(a)) ? -err_ : FileIo::exchange(a, b);
    }
    int lock(const std::string& path) override {
        return fault("lock " + leaf(path)) ? -err_ : FileIo::lock(path);
    }
    int remove(const std::string& path) override {
        return cleanUpToo_ && fault("remove " + leaf(path)) ? -err_ : FileIo::remove(path);
    }
    int removeFolder(const std::string& path) override {
        return cleanUpToo_ && fault("removeFolder " + leaf(path)) ? -err_
                                                                  : FileIo::removeFolder(path);
    }
    int setPermissions(const std::string& path, unsigned mode) override {
        return fault("setPermissions " + leaf(path)) ? -err_ : FileIo::setPermissions(path, mode);
    }
    int makeFolder(const std::string& path) override {
        return fault("makeFolder " + path.substr(path.rfind('/') + 1)) ? -err_
                                                                       : FileIo::makeFolder(path);
    }
    int flushFolder(const std::string& folder) override {
        return fault("flushFolder") ? -err_ : FileIo::flushFolder(folder);
    }

private:
    static std::string leaf(const std::string& path) { return path.substr(path.rfind('/') + 1); }
    bool fault(std::string call) {
        calls_.push_back(std::move(call));
        const int n = static_cast<int>(calls_.size());
        if (failAt_ == 0 || n < failAt_ || (n > failAt_ && mode_ == Fault::Once)) return false;
        fired_ = true;
        return true;
    }
    int failAt_, err_;
    Fault mode_;
    bool cleanUpToo_;
    bool fired_ = false;
    std::vector<std::string> calls_;
    std::map<int, std::string> names_;
};

}  // namespace testing_support
