#include "game/file_error.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace game {
namespace {

// "name: path is a folder, not a file", one sentence for each kind.
const char* notAFileText(FileKind kind) {
    switch (kind) {
        case FileKind::Folder:
            return QT_TRANSLATE_NOOP("Game", "%1: %2 is a folder, not a file");
        case FileKind::Fifo:
            return QT_TRANSLATE_NOOP("Game", "%1: %2 is a named pipe, not a file");
        case FileKind::Device:
            return QT_TRANSLATE_NOOP("Game", "%1: %2 is a device, not a file");
        case FileKind::Socket:
            return QT_TRANSLATE_NOOP("Game", "%1: %2 is a socket, not a file");
        default:
            return QT_TRANSLATE_NOOP("Game", "%1: %2 is not a regular file, not a file");
    }
}

const char* cannotText(FileAct act) {
    switch (act) {
        case FileAct::Open:
            return QT_TRANSLATE_NOOP("Game", "%1: cannot open %2 (%3)");
        case FileAct::Read:
            return QT_TRANSLATE_NOOP("Game", "%1: cannot read %2 (%3)");
        case FileAct::Write:
            return QT_TRANSLATE_NOOP("Game", "%1: cannot write %2 (%3)");
        case FileAct::Replace:
            return QT_TRANSLATE_NOOP("Game", "%1: cannot replace %2 (%3)");
        case FileAct::Remove:
            return QT_TRANSLATE_NOOP("Game", "%1: cannot remove %2 (%3)");
        case FileAct::Lock:
            return QT_TRANSLATE_NOOP("Game", "%1: cannot lock %2 (%3)");
        case FileAct::FindFolderOf:
            return QT_TRANSLATE_NOOP("Game", "%1: cannot find the folder of %2 (%3)");
        case FileAct::ReadFolder:
            break;
    }
    return QT_TRANSLATE_NOOP("Game", "%1: cannot read the folder %2 (%3)");
}

}  // namespace

std::string describeErrno(int err) { return std::generic_category().message(err); }

FileError cannot(PhraseValue name, FileAct act, const std::string& path, PhraseValue reason) {
    return FileError{
        phrase(kGameWords, cannotText(act), {std::move(name), path, std::move(reason)})};
}

FileError notAFile(const std::string& name, const std::string& path, FileKind kind) {
    return FileError{phrase(kGameWords, notAFileText(kind), {name, path})};
}

FileError lineError(const std::string& name, int line, Phrase what) {
    auto inner = std::make_shared<const Phrase>(std::move(what));
    FileError e = line <= 0
                      ? FileError{plain("%1: %2", {name, inner})}
                      : FileError{phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 line %2: %3"),
                                         {name, line, inner})};
    e.line = std::max(line, 0);
    e.what = std::move(inner);
    return e;
}

FileError atOuterLine(const FileError& inner, const std::string& name, int firstLine,
                      int wholeLine) {
    if (!inner.what) return lineError(name, wholeLine, inner.words);
    return lineError(name, inner.line > 0 ? firstLine + inner.line - 1 : wholeLine, *inner.what);
}

FileError lineError(const std::string& name, int line, const std::string& what) {
    return lineError(name, line, plain(what));
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
