#pragma once

#include <cstdint>
#include <string>

#include "game/lumora_bas.h"
#include "ui/game_window.h"
#include "ui/lumora_program.h"

namespace testing_support {

// Watches one run of the game from outside and says, after any event, which
// rule of the game no sequence of clicks and waits may ever break. It needs no
// test framework, so the soak and the fuzzer share it.
class GameWatch {
public:
    // The empty text while all holds; else what broke.
    std::string check(ui::LumoraProgram& game);

private:
    std::string checkBoard(const game::LumoraBas& b, const ui::GameWindow& w, bool fresh);

    std::uint64_t generation_ = ~std::uint64_t{0};
    game::Grid walls_{};
    std::int16_t loadMagic_ = 0;
    bool decided_ = false;
    game::Grid frozenBlocks_{}, frozenWater_{}, frozenSand_{};
    std::int16_t frozenMagic_ = 0;
};

}  // namespace testing_support
