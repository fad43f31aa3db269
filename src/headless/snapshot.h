#pragma once

#include <string>

#include "game/lumora_bas.h"

namespace ui {
class LumoraProgram;
class MainWindow;
}  // namespace ui

namespace headless {

// One line of key=value fields describing what a player would see now.
std::string snapshot(const ui::LumoraProgram& game);
// The board from the grids, nine lines of S, B, W, K or ".".
std::string boardText(const game::LumoraBas& bas);
// The answer mini-map, nine lines: the picture's letter, "O" for white, "." for pale red.
std::string answerText(const ui::MainWindow& window);
// A pixel position without decimals when it is whole.
std::string positionText(float value);

}  // namespace headless
