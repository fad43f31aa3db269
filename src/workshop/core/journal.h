#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/files.h"
#include "game/stage_desc.h"

namespace workshop {

// The workshop's unsaved work, kept in the player's state folder so that it
// can be offered back after the workshop was killed.
struct Journal {
    std::string name;  // the pack's
    std::string author;
    std::string license;
    std::string folder;  // where the pack was last saved; empty if never
    std::vector<game::StageDesc> stages;
    int selected = -1;  // index into stages, -1 for none
    bool operator==(const Journal&) const = default;
};

// Every field of every stage in lines of text, ending in a line end, so a
// journal cut short anywhere does not read back.
std::string journalText(const Journal& journal);

// Reads and checks a journal; any damage is an error naming the line.
game::FileResult<Journal> parseJournal(std::string_view text);

// $XDG_STATE_HOME/lumora, or ~/.local/state/lumora when that is unset, empty
// or not an absolute path; empty when neither gives an absolute path.
std::string workshopStateFolder(const std::string& xdgStateHome, const std::string& home);

}  // namespace workshop
