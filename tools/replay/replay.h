#pragma once

#include <iosfwd>
#include <string>

namespace replay {

// Runs a replay script against a program folder (a pack's folder plays the
// pack: its pack.ini gives the number of stages), writing snapshots to `out`
// and problems to `err`. Returns the process exit status: 0 when the script
// ran to its end or the program ended, 1 on a fatal error of the game, 2 on a
// script line it cannot carry out.
int run(const std::string& folder, std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace replay
