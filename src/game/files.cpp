#include "game/files.h"

#include <fcntl.h>

#include <cstdio>
#include <cstring>
#include <system_error>

#include "game/file_io.h"
#include "game/number_text.h"

namespace game {
namespace {

constexpr int kEof = -1;

std::string describeErrno(int err) { return std::generic_category().message(err); }

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

const char* kindText(FileKind kind) {
    switch (kind) {
        case FileKind::Folder:
            return "a folder";
        case FileKind::Fifo:
            return "a named pipe";
        case FileKind::Device:
            return "a device";
        case FileKind::Socket:
            return "a socket";
        default:
            return "not a regular file";
    }
}

// "save.bkm: cannot write /path (reason)": every failure names the file as the
// player knows it, the path tried and why.
FileError cannot(const std::string& name, const char* what, const std::string& path,
                 const std::string& reason) {
    return FileError{name + ": cannot " + what + " " + path + " (" + reason + ")"};
}

FileError notAFile(const std::string& name, const std::string& path, FileKind kind) {
    return FileError{name + ": " + path + " is " + kindText(kind) + ", not a file"};
}

// Follows a chain of symbolic links to the name that is not one. A link to
// nowhere is reported under the link's own name, which is what the player knows.
std::variant<std::string, FileError> followLinks(const std::string& name, const std::string& path) {
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        FileKind kind{};
        int r = fileIo().kindOf(at, false, kind);
        if (r == -ENOENT && hops > 0)
            return FileError{name + ": " + path + " is a link to " + at + ", which does not exist"};
        if (r == -ENOENT) return at;
        if (r < 0) return cannot(name, "open", path, describeErrno(-r));
        if (kind != FileKind::Link) return at;
        std::string target;
        r = fileIo().readLink(at, target);
        if (r < 0) return cannot(name, "open", path, describeErrno(-r));
        at = !target.empty() && target[0] == '/' ? target : folderOf(at) + "/" + target;
    }
    return cannot(name, "open", path, describeErrno(ELOOP));
}

// Reads a file through the file layer, a buffer at a time, after skipping the
// byte-order mark some editors put in front of plain text.
class Reader {
public:
    Reader(std::string name, std::string path) : name_(std::move(name)), path_(std::move(path)) {}
    ~Reader() {
        if (fd_ >= 0) fileIo().close(fd_);
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Only a regular file is opened: a named pipe or a device could keep the
    // game waiting for ever, and a folder has no lines to read.
    std::optional<FileError> open(bool skipMark) {
        auto followed = followLinks(name_, path_);
        if (auto* e = std::get_if<FileError>(&followed)) return *e;
        FileKind kind{};
        int r = fileIo().kindOf(path_, true, kind);
        if (r == 0 && kind != FileKind::Regular) return notAFile(name_, path_, kind);
        r = fileIo().open(path_, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
        if (r < 0) return cannot("open", -r);
        fd_ = r;
        // The name may have been swapped between the look and the open.
        r = fileIo().kindOf(fd_, kind);
        if (r < 0) return cannot("open", -r);
        if (kind != FileKind::Regular) return notAFile(name_, path_, kind);
        if (skipMark) {
            while (end_ < 3 && fill()) {
            }
            if (end_ >= 3 && std::memcmp(buf_, "\xEF\xBB\xBF", 3) == 0) pos_ = 3;
        }
        return error_;
    }

    int get() {
        if (pos_ == end_ && !refill()) return kEof;
        return static_cast<unsigned char>(buf_[pos_++]);
    }
    int peek() {
        if (pos_ == end_ && !refill()) return kEof;
        return static_cast<unsigned char>(buf_[pos_]);
    }
    // The read error that ended the file early, if one did.
    const std::optional<FileError>& error() const { return error_; }

private:
    bool refill() {
        pos_ = end_ = 0;
        return fill();
    }
    // Appends what the next read gives; false at the end or on an error.
    bool fill() {
        if (done_) return false;
        const long n = fileIo().read(fd_, buf_ + end_, sizeof buf_ - end_);
        if (n < 0) error_ = cannot("read", static_cast<int>(-n));
        if (n <= 0) {
            done_ = true;
            return false;
        }
        end_ += static_cast<std::size_t>(n);
        return true;
    }
    FileError cannot(const char* what, int err) const {
        return game::cannot(name_, what, path_, describeErrno(err));
    }

    std::string name_, path_;
    int fd_ = -1;
    char buf_[4096];
    std::size_t pos_ = 0, end_ = 0;
    bool done_ = false;
    std::optional<FileError> error_;
};

// Reads one line under the file's line rules. Returns false at the end of the
// file when no line is left; `tooLong` reports a line over the limit.
bool readLine(Reader& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    int ch = in.get();
    if (ch == kEof) return false;
    while (ch != kEof) {
        if (ch == '\r') {
            if (in.peek() == '\n') in.get();
            return true;
        }
        if (line.size() >= kMaxLineBytes) {
            tooLong = true;
            return true;
        }
        line.push_back(static_cast<char>(ch));
        ch = in.get();
    }
    return true;
}

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

}  // namespace

std::string stageFileName(std::int32_t stage) { return "mmap" + std::to_string(stage) + ".bkm"; }
std::string answerFileName(std::int32_t stage) { return "amap" + std::to_string(stage) + ".bkm"; }

std::string folderText(const std::string& folder) {
    if (folder.empty()) return "./";
    if (folder.back() == '/') return folder;
    return folder + "/";
}

std::string quoteForMessage(const std::string& text) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        auto ch = static_cast<unsigned char>(text[i]);
        // Bytes past ASCII are shown as numbers: the player's terminal or
        // message box would make them into anything.
        if (ch < 0x20 || ch >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", ch);
            out += buf;
        } else {
            out.push_back(static_cast<char>(ch));
        }
    }
    if (text.size() > kShown) out += "...";
    return out + "\"";
}

MapRead readMapLines(const std::string& folder, const std::string& fileName) {
    MapRead read;
    Reader in(fileName, folderText(folder) + fileName);
    if (auto e = in.open(true)) {
        read.error = e;
        return read;
    }
    std::string line;
    bool tooLong = false;
    for (int i = 1; i <= 11; ++i) {
        const bool got = readLine(in, line, tooLong);
        if (in.error()) {
            read.error = in.error();
            return read;
        }
        if (!got) {
            std::string msg = fileName + ": the file has " + std::to_string(i - 1) +
                              (i == 2 ? " line" : " lines") + ", it needs 11";
            if (i <= 2) msg += " (lines must end with CR LF)";
            read.error = FileError{msg};
            return read;
        }
        if (tooLong) {
            read.error =
                FileError{fileName + " line " + std::to_string(i) + ": the line is longer than " +
                          std::to_string(kMaxLineBytes) + " bytes"};
            return read;
        }
        read.lines[static_cast<std::size_t>(i)] = line;
        read.count = i;
    }
    return read;
}

FileResult<MapLines> readMapFile(const std::string& folder, const std::string& fileName) {
    MapRead read = readMapLines(folder, fileName);
    if (read.error) return *read.error;
    return read.lines;
}

FileResult<std::int16_t> stageFileNumber(const std::string& fileName, int line,
                                         const std::string& text) {
    auto n = roundToInt16(text, line == 11 ? 1 : 0);
    if (auto* value = std::get_if<std::int16_t>(&n)) return *value;
    std::string head = fileName + " line " + std::to_string(line) + ": " + quoteForMessage(text);
    if (std::get<NumberError>(n) == NumberError::OutOfRange)
        return FileError{head + (line == 11 ? " plus 1" : "") +
                         " is out of range (-32768 to 32767)"};
    return FileError{head + (line == 10 ? " is not a whole number" : " is not a number")};
}

FileResult<std::int32_t> readSaveFile(const std::string& folder) {
    const std::string name = kSaveFileName;
    Reader in(name, folderText(folder) + name);
    if (auto e = in.open(true)) return *e;
    std::string field;
    int ch;
    while ((ch = in.get()) != kEof && ch != ',' && ch != '\r') {
        if (field.size() >= kMaxLineBytes)
            return FileError{name + ": the first field is longer than " +
                             std::to_string(kMaxLineBytes) + " bytes"};
        field.push_back(static_cast<char>(ch));
    }
    if (in.error()) return *in.error();
    if (field.find_first_not_of(" \t") == std::string::npos)
        return FileError{name + ": the file holds no stage number"};
    std::int32_t stage = parseStageNumber(field);
    if (stage < 0)
        return FileError{name + ": " + quoteForMessage(field) + " is not a stage number"};
    return stage;
}

// The new save is complete on the disk before it takes the old one's name, and
// the name change is on the disk before we say it is saved: a crash of the
// game or of the machine leaves the old save or the new one, never a torn one.
std::optional<FileError> writeSaveFile(const std::string& folder, std::int32_t stage) {
    const std::string path = folderText(folder) + kSaveFileName;
    auto cannot = [&](const char* what, const std::string& reason) {
        return game::cannot(kSaveFileName, what, path, reason);
    };
    auto followed = followLinks(kSaveFileName, path);
    if (auto* e = std::get_if<FileError>(&followed)) return *e;
    const std::string target = std::get<std::string>(followed);
    FileKind kind{};
    if (fileIo().kindOf(target, false, kind) == 0 && kind != FileKind::Regular)
        return notAFile(kSaveFileName, path, kind);

    // One temporary name per save, so what a crash leaves behind is taken away
    // by the next save instead of piling up.
    const std::string temp = target + ".new";
    int r = fileIo().remove(temp);
    if (r < 0 && r != -ENOENT) return cannot("write", describeErrno(-r));
    r = fileIo().open(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (r < 0) return cannot("write", describeErrno(-r));
    const int fd = r;
    std::optional<FileError> failed = writeAll(fd, std::to_string(stage) + "\r\n");
    if (!failed && (r = fileIo().flush(fd)) < 0) failed = FileError{describeErrno(-r)};
    r = fileIo().close(fd);
    if (!failed && r < 0) failed = FileError{describeErrno(-r)};
    if (failed) {
        fileIo().remove(temp);
        return cannot("write", failed->message);
    }
    r = fileIo().rename(temp, target);
    if (r < 0) {
        fileIo().remove(temp);
        return cannot("replace", describeErrno(-r));
    }
    r = fileIo().flushFolder(folderOf(target));
    // Some file systems cannot flush a folder at all; there the rename is as
    // safe as they make it.
    if (r < 0 && r != -EINVAL && r != -ENOTSUP)
        return FileError{std::string(kSaveFileName) + ": " + path +
                         " was written, but its folder could not be flushed to the disk (" +
                         describeErrno(-r) + ")"};
    return std::nullopt;
}

bool saveFileExists(const std::string& folder) {
    // A link that leads nowhere still counts: the next save reports it rather
    // than quietly putting a new file in its place.
    FileKind kind{};
    return fileIo().kindOf(folderText(folder) + kSaveFileName, false, kind) == 0;
}

std::optional<std::string> readSaveBytes(const std::string& folder) {
    Reader in(kSaveFileName, folderText(folder) + kSaveFileName);
    if (in.open(false)) return std::nullopt;
    std::string bytes;
    for (int ch; bytes.size() <= kMaxLineBytes && (ch = in.get()) != kEof;)
        bytes.push_back(static_cast<char>(ch));
    return bytes;
}

}  // namespace game
