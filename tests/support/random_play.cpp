#include "support/random_play.h"

#include <algorithm>
#include <variant>

#include "forms/program.h"
#include "game/files.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace testing_support {

RandomPlayer::RandomPlayer(ui::LumoraProgram& game, float twips, Pick pick)
    : game_(game), pick_(std::move(pick)) {
    script_ = "twips " + std::to_string(static_cast<int>(twips)) + "\n";
    auto saved = game::readSaveFile(game.bas().saveFolder());
    if (auto* n = std::get_if<std::int32_t>(&saved)) script_ += "save " + std::to_string(*n) + "\n";
}

std::string RandomPlayer::checked() {
    ++events_;
    if (seen_) seen_();
    return watch_.check(game_);
}

// Time moves one due tick at a time, so every tick is checked on its own; the
// script waits only as far as the tick that broke a rule, so it ends there.
std::string RandomPlayer::wait(std::int64_t ms) {
    forms::Program& p = game_.program();
    const std::int64_t from = p.clock().now();
    std::string broken;
    p.advanceWatched(ms, [&] {
        broken = checked();
        return broken.empty();
    });
    script_ += "wait " + std::to_string(broken.empty() ? ms : p.clock().now() - from) + "\n";
    return broken;
}

std::string RandomPlayer::onMenu() {
    forms::Program& p = game_.program();
    const auto buttons = game_.menu()->visibleButtons();
    const std::uint32_t roll = pick_(100);
    // A menu too small to show a button (a screen of huge pixels) can only be closed.
    if (roll < 2 || buttons.empty()) {
        script_ += "close menu\n";
        p.close(ui::Menu::kName);
        return checked();
    }
    const bool canLoad = std::any_of(buttons.begin(), buttons.end(),
                                     [](const forms::Control* b) { return b->name == "Command2"; });
    if (roll < 20 && canLoad) {
        // Loading any stage, as a save left by an earlier run would.
        const auto stage = static_cast<std::int32_t>(
            1 + pick_(static_cast<std::uint32_t>(game_.bas().stageCount())));
        if (game::writeSaveFile(game_.bas().saveFolder(), stage))
            return "the save cannot be written";
        script_ += "save " + std::to_string(stage) + "\nclick menu Command2\n";
        p.click(ui::Menu::kName, "Command2");
        return checked();
    }
    const std::string name = buttons[pick_(static_cast<std::uint32_t>(buttons.size()))]->name;
    script_ += "click menu " + name + "\n";
    p.click(ui::Menu::kName, name);
    return checked();
}

std::string RandomPlayer::onGame() {
    forms::Program& p = game_.program();
    const std::uint32_t roll = pick_(100);
    if (roll < 45 || (roll >= 88 && roll < 93)) {
        const int k = pick_(20) == 0 ? 0 : static_cast<int>(1 + pick_(81));
        const int button = pick_(10) == 0 ? static_cast<int>(3 + pick_(2)) : 1 + pick_(2);
        const bool press = roll < 45 || roll < 91, release = roll < 45 || roll >= 91;
        return tap(k, button, press, release);
    }
    if (roll < 82) {
        const std::uint32_t scale = pick_(3);
        return wait(scale == 0   ? 1 + pick_(100)
                    : scale == 1 ? 100 + pick_(900)
                                 : 1000 + pick_(8000));
    }
    if (roll < 88) {
        const char* button = roll < 85 ? "Command1" : "Command3";
        script_ += std::string("click game ") + button + "\n";
        p.click(ui::MainWindow::kName, button);
        return checked();
    }
    script_ += "close game\n";
    p.close(ui::MainWindow::kName);
    return checked();
}

std::string RandomPlayer::tap(int k, int button, bool press, bool release) {
    forms::Program& p = game_.program();
    script_ += std::string(press && release ? "tap "
                           : press          ? "down "
                                            : "up ") +
               std::to_string(k) + " " + std::to_string(button) + "\n";
    if (press) {
        p.mouseDown(ui::MainWindow::kName, "Tile", k, button);
        if (std::string e = checked(); !e.empty()) return e;
    }
    if (release && !p.ended()) {
        p.mouseUp(ui::MainWindow::kName, "Tile", k, button);
        return checked();
    }
    return {};
}

std::string RandomPlayer::castNear() {
    if (game_.program().ended() || game_.gameWindow() == nullptr) return step();
    const game::LumoraBas& b = game_.bas();
    constexpr int kSides[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    const auto* side = kSides[pick_(4)];
    const int c = b.PlayerCol + side[0], r = b.PlayerRow + side[1];
    const int k = c >= 1 && c <= 9 && r >= 1 && r <= 9 ? 9 * (r - 1) + c : 0;
    return tap(k, 2, true, true);
}

std::string RandomPlayer::step() {
    if (game_.program().ended()) return {};
    return game_.gameWindow() != nullptr ? onGame() : onMenu();
}

}  // namespace testing_support
