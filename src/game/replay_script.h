#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

// One line of a replay script: what a player does (clicks, waits) and what
// the replay prints (show, board, answer), in the order they happen.
struct ScriptStep {
    enum class Kind { Twips, Wait, Down, Up, Tap, Click, Close, Save, Show, Board, Answer, Note };
    Kind kind = Kind::Wait;
    long number = 0;   // Twips: twips per pixel; Wait: milliseconds; Save: stage; clicks: cell
    int button = 0;    // Down, Up, Tap: 1 left, 2 right
    bool menu = true;  // Click, Close: the menu, or else the game window
    int command = 0;   // Click: the N of CommandN
    std::string note;  // Note: a comment line, written but never read back
    int line = 0;      // where the reader found it, for messages
    bool operator==(const ScriptStep&) const = default;

    static ScriptStep of(Kind kind) {
        ScriptStep s;
        s.kind = kind;
        return s;
    }
    static ScriptStep wait(long ms) {
        ScriptStep s = of(Kind::Wait);
        s.number = ms;
        return s;
    }
    static ScriptStep tap(int tile, int button) {
        ScriptStep s = of(Kind::Tap);
        s.number = tile;
        s.button = button;
        return s;
    }
    static ScriptStep click(bool onMenu, int command) {
        ScriptStep s = of(Kind::Click);
        s.menu = onMenu;
        s.command = command;
        return s;
    }
    static ScriptStep comment(std::string text) {
        ScriptStep s = of(Kind::Note);
        s.note = std::move(text);
        return s;
    }
};

// The menu's Load: where a solution's script starts from a save on its stage.
inline constexpr int kMenuLoadCommand = 2;

// A script read as far as it is good: the steps before the first bad line,
// and what is wrong with that line. A replay plays the steps first, so what
// they print comes out before the complaint, as it did line by line.
struct ScriptRead {
    std::vector<ScriptStep> steps;
    struct Error {
        int line;
        std::string reason;
        bool beforePlay;  // a bad leading "twips": the game cannot even start
    };
    std::optional<Error> error;
};

// The one reader of replay scripts. "#" at the start of a word comments out
// the rest of its line; a CR before the line end is dropped; "twips" may only
// come first.
ScriptRead readScript(std::string_view text);

// The one writer: each step on a line of its own, notes as comments.
std::string writeScript(const std::vector<ScriptStep>& steps);

}  // namespace game
