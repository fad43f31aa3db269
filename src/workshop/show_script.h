#pragma once

#include <string>
#include <variant>
#include <vector>

#include "game/replay_script.h"

namespace workshop {

// The steps of a solution as the show plays them: the clicks and the pauses
// between them, or what is wrong, naming the line. The steps that only look
// at the game (show, board, answer), the notes and the Load that opens the
// stage have nothing to do on screen and are passed over.
std::variant<std::vector<game::ScriptStep>, std::string> showSteps(
    const std::vector<game::ScriptStep>& steps);

// The same from a script's text, read by the game's one script reader.
std::variant<std::vector<game::ScriptStep>, std::string> parseShowScript(const std::string& script);

}  // namespace workshop
