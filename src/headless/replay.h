#pragma once

#include <iosfwd>
#include <string>

#include "game/replay_script.h"

namespace headless {

// Plays a replay script through the whole game in virtual time, with a
// program folder (a pack's folder plays the pack: its pack.ini gives the
// number of stages), writing snapshots to `out` and problems to `err`.
// Returns the process exit status: 0 when the script ran to its end or the
// program ended, 1 on a fatal error of the game, 2 on a script line it cannot
// carry out. The folder is reached through the game's file seam, so it may
// be one held in memory.
int play(const std::string& folder, const game::ScriptRead& script, std::ostream& out,
         std::ostream& err);

// The same, reading the script's text first.
int run(const std::string& folder, std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace headless
