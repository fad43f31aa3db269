#pragma once

#include <string>
#include <variant>
#include <vector>

namespace workshop {

// One step of a solution as the show plays it: the clicks and the pauses
// between them.
struct ShowStep {
    enum class Kind { Wait, Down, Up, Tap };
    Kind kind = Kind::Wait;
    int ms = 0;  // Wait
    int cell = 0;
    int button = 0;
    bool operator==(const ShowStep&) const = default;
};

// The steps of a replay script as the solver writes them, or what is wrong
// with it, naming the line. The lines that only look at the game (show,
// board, answer) and the Load that opens the stage have nothing to do on
// screen and are passed over; "#" starts a comment.
std::variant<std::vector<ShowStep>, std::string> parseShowScript(const std::string& script);

}  // namespace workshop
