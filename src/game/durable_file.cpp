#include "game/durable_file.h"

#include <fcntl.h>

#include <cerrno>

#include "game/file_links.h"

namespace game {
namespace {

std::optional<FileError> writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = fileIo().write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) return FileError{describeErrno(static_cast<int>(-n))};
        if (n == 0) return FileError{describeErrno(EIO)};
        done += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

// Writes and flushes a new file; its reason alone on failure, the file gone.
std::optional<FileError> writeNewFile(const std::string& temp, const std::string& bytes) {
    int r =
        fileIo().open(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (r < 0) return FileError{describeErrno(-r)};
    const int fd = r;
    std::optional<FileError> failed = writeAll(fd, bytes);
    if (!failed && (r = fileIo().flush(fd)) < 0) failed = FileError{describeErrno(-r)};
    r = fileIo().close(fd);
    if (!failed && r < 0) failed = FileError{describeErrno(-r)};
    if (failed) fileIo().remove(temp);
    return failed;
}

}  // namespace

// The new file is complete on the disk before it takes the old one's name, and
// the name change is on the disk before we say it is written: a crash of the
// game or of the machine leaves the old file or the new one, never a torn one.
std::optional<FileError> writeFileDurably(const std::string& name, const std::string& path,
                                          const std::string& bytes) {
    auto followed = followLinks(name, path);
    if (auto* e = std::get_if<FileError>(&followed)) return *e;
    const std::string target = std::get<std::string>(followed);
    FileKind kind{};
    if (fileIo().kindOf(target, false, kind) == 0 && kind != FileKind::Regular)
        return notAFile(name, path, kind);

    // One temporary name per file, so what a crash leaves behind is taken away
    // by the next write instead of piling up.
    const std::string temp = target + ".new";
    int r = fileIo().remove(temp);
    if (r < 0 && r != -ENOENT) return cannot(name, FileAct::Write, path, describeErrno(-r));
    if (auto failed = writeNewFile(temp, bytes))
        return cannot(name, FileAct::Write, path, nested(failed->words));
    r = fileIo().rename(temp, target);
    if (r < 0) {
        fileIo().remove(temp);
        return cannot(name, FileAct::Replace, path, describeErrno(-r));
    }
    r = fileIo().flushFolder(folderOf(target));
    // Some file systems cannot flush a folder at all; there the rename is as
    // safe as they make it.
    if (r < 0 && r != -EINVAL && r != -ENOTSUP)
        return FileError{phrase(
            kGameWords,
            QT_TRANSLATE_NOOP(
                "Game", "%1: %2 was written, but its folder could not be flushed to the disk (%3)"),
            {name, path, describeErrno(-r)})};
    return std::nullopt;
}

std::optional<FileError> writeNewFileDurably(const std::string& name, const std::string& path,
                                             const std::string& bytes) {
    if (auto failed = writeNewFile(path, bytes))
        return cannot(name, FileAct::Write, path, nested(failed->words));
    return std::nullopt;
}

std::optional<FileError> removeFile(const std::string& name, const std::string& path) {
    const int r = fileIo().remove(path);
    if (r < 0 && r != -ENOENT) return cannot(name, FileAct::Remove, path, describeErrno(-r));
    return std::nullopt;
}

}  // namespace game
