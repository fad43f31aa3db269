#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "support/invariants.h"
#include "ui/lumora_program.h"

namespace testing_support {

// A player with no plan: each step is one thing a person could do to the
// game (a click of either button anywhere, a press or release alone, a wait,
// a window button, a close, or loading any stage), checked by a GameWatch
// after every event it causes. It writes what it did as a lumora-replay
// script, so a broken rule can be played again.
class RandomPlayer {
public:
    // A choice among n, 0 to n - 1.
    using Pick = std::function<std::uint32_t(std::uint32_t n)>;

    RandomPlayer(ui::LumoraProgram& game, float twips, Pick pick);

    // Plays one step; returns what broke, or the empty text. `events` counts
    // the events delivered, every timer tick one.
    std::string step();
    // A cast beside the character, as a player does most: a right click on
    // one of its four neighbours (any step when no game window is open).
    std::string castNear();
    std::uint64_t events() const { return events_; }
    // Called after every event, before the rules are checked.
    void onEvent(std::function<void()> seen) { seen_ = std::move(seen); }
    const std::string& script() const { return script_; }

private:
    std::string checked();
    std::string wait(std::int64_t ms);
    std::string onMenu();
    std::string onGame();
    std::string tap(int k, int button, bool press, bool release);

    ui::LumoraProgram& game_;
    Pick pick_;
    GameWatch watch_;
    std::uint64_t events_ = 0;
    std::string script_;
    std::function<void()> seen_;
};

}  // namespace testing_support
