#pragma once

#include <string>

#include "game/file_error.h"

namespace game {

// The folder part of a path: "." for a bare name, "/" for a name at the root.
std::string folderOf(const std::string& path);

// Follows a chain of symbolic links to the name that is not one (which may not
// exist yet). A link to nowhere is reported under the link's own name, which
// is what the player knows; `name` is the file as the player knows it.
FileResult<std::string> followLinks(const PhraseValue& name, const std::string& path);

}  // namespace game
