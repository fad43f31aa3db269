#include "game/file_reader.h"

#include <fcntl.h>

#include <cstring>

#include "game/file_links.h"

namespace game {

Reader::~Reader() {
    if (fd_ >= 0) fileIo().close(fd_);
}

std::optional<FileError> Reader::open(bool skipMark) {
    auto followed = followLinks(name_, path_);
    if (auto* e = std::get_if<FileError>(&followed)) return *e;
    FileKind kind{};
    int r = fileIo().kindOf(path_, true, kind);
    if (r == 0 && kind != FileKind::Regular) return notAFile(name_, path_, kind);
    r = fileIo().open(path_, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (r < 0) return cannot(FileAct::Open, -r);
    fd_ = r;
    // The name may have been swapped between the look and the open.
    r = fileIo().kindOf(fd_, kind);
    if (r < 0) return cannot(FileAct::Open, -r);
    if (kind != FileKind::Regular) return notAFile(name_, path_, kind);
    if (skipMark) {
        while (end_ < 3 && fill()) {
        }
        if (end_ >= 3 && std::memcmp(buf_, "\xEF\xBB\xBF", 3) == 0) pos_ = 3;
    }
    return error_;
}

// Appends what the next read gives; false at the end or on an error.
bool Reader::fill() {
    if (done_) return false;
    const long n = fileIo().read(fd_, buf_ + end_, sizeof buf_ - end_);
    if (n < 0) error_ = cannot(FileAct::Read, static_cast<int>(-n));
    if (n <= 0) {
        done_ = true;
        return false;
    }
    end_ += static_cast<std::size_t>(n);
    return true;
}

FileError Reader::cannot(FileAct act, int err) const {
    return game::cannot(name_, act, path_, describeErrno(err));
}

FileResult<std::string> readFileBytes(const std::string& name, const std::string& path,
                                      std::size_t limit) {
    Reader in(name, path);
    if (auto e = in.open(false)) return *e;
    std::string bytes;
    while (bytes.size() < limit && in.take(bytes, limit - bytes.size())) {
    }
    if (in.error()) return *in.error();
    return bytes;
}

FileResult<std::string> readWholeFile(const std::string& name, const std::string& path,
                                      std::size_t limit) {
    auto bytes = readFileBytes(name, path, limit + 1);
    if (auto* e = std::get_if<FileError>(&bytes)) return *e;
    if (std::get<std::string>(bytes).size() <= limit) return bytes;
    return lineError(
        name, 0,
        phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "the file is longer than %1 bytes"),
               {static_cast<long long>(limit)}));
}

}  // namespace game
