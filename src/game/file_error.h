#pragma once

#include <string>
#include <variant>

#include "game/file_io.h"

namespace game {

// A file problem, told the way the player needs to read it: the file, the
// line where there is one, and what is wrong.
struct FileError {
    std::string message;
};

template <class T>
using FileResult = std::variant<T, FileError>;

// The system's words for an errno value.
std::string describeErrno(int err);

// "save.bkm: cannot write /path (reason)": every failure names the file as the
// player knows it, the path tried and why.
FileError cannot(const std::string& name, const char* what, const std::string& path,
                 const std::string& reason);

// "mmap3.bkm: /path is a folder, not a file".
FileError notAFile(const std::string& name, const std::string& path, FileKind kind);

// "mmap3.bkm line 4: what", the line left out when it is 0.
FileError lineError(const std::string& name, int line, const std::string& what);

// Quotes a line for an error message, shortened, with control bytes and bytes
// past ASCII escaped as \xNN.
std::string quoteForMessage(const std::string& text);

}  // namespace game
