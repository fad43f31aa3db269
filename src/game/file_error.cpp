#include "game/file_error.h"

#include <cstdio>
#include <system_error>

namespace game {
namespace {

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

}  // namespace

std::string describeErrno(int err) { return std::generic_category().message(err); }

FileError cannot(const std::string& name, const char* what, const std::string& path,
                 const std::string& reason) {
    return FileError{name + ": cannot " + what + " " + path + " (" + reason + ")"};
}

FileError notAFile(const std::string& name, const std::string& path, FileKind kind) {
    return FileError{name + ": " + path + " is " + kindText(kind) + ", not a file"};
}

FileError lineError(const std::string& name, int line, const std::string& what) {
    return FileError{name + (line > 0 ? " line " + std::to_string(line) : std::string()) + ": " +
                     what};
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

}  // namespace game
