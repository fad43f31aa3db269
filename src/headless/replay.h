#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "game/replay_script.h"

namespace ui {
class LumoraProgram;
}

namespace headless {

// Called after each event the game is given: a press, a release, a click, a
// close, and each timer tick, which a wait then delivers one at a time.
using EventHook = std::function<void(ui::LumoraProgram&)>;

// Plays a replay script through the whole game in virtual time, with a
// program folder (a pack's folder plays the pack: its pack.ini gives the
// number of stages), writing snapshots to `out` and problems to `err`.
// Returns the process exit status: 0 when the script ran to its end or the
// program ended, 1 on a fatal error of the game, 2 on a script line it cannot
// carry out. `atEnd` sees the game once, as the script leaves it, whichever
// way play stops. The folder is reached through the game's file seam, so it
// may be one held in memory.
int play(const std::string& folder, const game::ScriptRead& script, std::ostream& out,
         std::ostream& err, const EventHook& afterEvent = {}, const EventHook& atEnd = {});

// The same, reading the script's text first.
int run(const std::string& folder, std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace headless
