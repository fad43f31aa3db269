#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "game/file_error.h"

namespace game {

// Reads a file through the file layer, a buffer at a time. Only a regular
// file is opened: a named pipe or a device could keep the game waiting for
// ever, and a folder has nothing to read.
class Reader {
public:
    static constexpr int kEof = -1;

    // `name` is the file as the player knows it, for the messages.
    Reader(std::string name, std::string path) : name_(std::move(name)), path_(std::move(path)) {}
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Opens the file, after skipping the byte-order mark some editors put in
    // front of plain text when `skipMark` asks.
    std::optional<FileError> open(bool skipMark);

    int get() {
        if (pos_ == end_ && !refill()) return kEof;
        return static_cast<unsigned char>(buf_[pos_++]);
    }
    // Appends to `out` the bytes the next get() calls would give, up to
    // `most`; false at the end of the file. For reading a file whole without
    // a call a byte.
    bool take(std::string& out, std::size_t most) {
        if (pos_ == end_ && !refill()) return false;
        const std::size_t n = std::min(most, end_ - pos_);
        out.append(buf_ + pos_, n);
        pos_ += n;
        return true;
    }
    // The read error that ended the file early, if one did.
    const std::optional<FileError>& error() const { return error_; }

private:
    bool refill() {
        pos_ = end_ = 0;
        return fill();
    }
    bool fill();
    FileError cannot(FileAct act, int err) const;

    std::string name_, path_;
    int fd_ = -1;
    char buf_[4096];
    std::size_t pos_ = 0, end_ = 0;
    bool done_ = false;
    std::optional<FileError> error_;
};

// The first `limit` bytes of a regular file (all of a shorter one), or the
// error naming the file.
FileResult<std::string> readFileBytes(const std::string& name, const std::string& path,
                                      std::size_t limit);

// The whole of a regular file no longer than `limit` bytes; a longer one is
// refused ("NAME: the file is longer than LIMIT bytes") before it is read whole.
FileResult<std::string> readWholeFile(const std::string& name, const std::string& path,
                                      std::size_t limit);

}  // namespace game
