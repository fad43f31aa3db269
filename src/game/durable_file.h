#pragma once

#include <optional>
#include <string>

#include "game/file_error.h"

namespace game {

// Replaces the file at `path` with `bytes`, atomically and durably: a new file
// beside it flushed to the disk, a rename over the old one, then a flush of
// the folder. A file that is a symbolic link keeps the link and replaces the
// file it leads to; a link that leads nowhere is an error. Errors name the
// file as `name`.
std::optional<FileError> writeFileDurably(const std::string& name, const std::string& path,
                                          const std::string& bytes);

// Makes a file that is not there yet, with `bytes`, flushed to the disk; a
// file half written is taken away again. For a folder of new files, which is
// flushed as a whole once they are all in it.
std::optional<FileError> writeNewFileDurably(const std::string& name, const std::string& path,
                                             const std::string& bytes);

// Takes the file away; one that is not there is no error.
std::optional<FileError> removeFile(const std::string& name, const std::string& path);

}  // namespace game
