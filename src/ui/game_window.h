#pragma once

#include <array>

#include "forms/clock.h"
#include "forms/control.h"

namespace ui {

// The controls of the game window that show the model and move the
// character: the board's tiles, the sprite and its pictures, the tray, and the
// timers. The window fills this in when it builds its layout.
struct GameWindow {
    std::array<forms::Control*, 82> Tile{};   // 0 is the blank cell, 1..81 the board
    std::array<forms::Control*, 82> Ans{};    // 1..81, the answer mini-map
    std::array<forms::Control*, 10> Text1{};  // 1..9
    forms::Control* AnimeFrame = nullptr;

    forms::Control* Sand = nullptr;
    forms::Control* Block = nullptr;
    forms::Control* Water = nullptr;
    forms::Control* Wall = nullptr;
    std::array<forms::Control*, 3> LeftWalk{};
    std::array<forms::Control*, 3> RightWalk{};
    std::array<forms::Control*, 5> LeftJump{};
    std::array<forms::Control*, 5> RightJump{};
    std::array<forms::Control*, 2> LeftNaku{};
    std::array<forms::Control*, 2> RightNaku{};
    std::array<forms::Control*, 2> LeftNiko{};
    std::array<forms::Control*, 2> RightNiko{};

    forms::Control* StageNo = nullptr;
    forms::Control* txtGreen = nullptr;
    forms::Control* txtStone = nullptr;
    forms::Control* txtMagic = nullptr;
    forms::Control* Text4 = nullptr;
    forms::Control* Text5 = nullptr;
    forms::Control* Text6 = nullptr;

    forms::Timer* LeftWalkTimer = nullptr;
    forms::Timer* RightWalkTimer = nullptr;
    forms::Timer* LeftJumpTimer = nullptr;
    forms::Timer* RightJumpTimer = nullptr;
    forms::Timer* FallTimer = nullptr;
    forms::Timer* StageClearTimer = nullptr;
    forms::Timer* GameOverTimer = nullptr;
};

}  // namespace ui
