#include "support/invariants.h"

#include <cmath>

#include "forms/program.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace testing_support {
namespace {

bool multipleOf(float v, int n) { return std::fmod(v, static_cast<float>(n)) == 0.0f; }

std::string cell(int c, int r) { return "(" + std::to_string(c) + "," + std::to_string(r) + ")"; }

}  // namespace

std::string GameWatch::check(ui::LumoraProgram& game) {
    const forms::Program& p = game.program();
    if (p.ended()) return {};
    const bool menu = game.menu() != nullptr;
    const bool win = game.gameWindow() != nullptr;
    if (menu == win) return menu ? "the menu and the game window are both open" : "no window open";
    const bool fresh = p.generation() != generation_;
    generation_ = p.generation();
    if (!win) return {};
    return checkBoard(game.bas(), game.gameWindow()->controls(), fresh);
}

std::string GameWatch::checkBoard(const game::LumoraBas& b, const ui::GameWindow& w, bool fresh) {
    if (fresh) {
        walls_ = b.WallGrid;
        loadMagic_ = b.MagicCount;
        decided_ = false;
    }

    int blocks = 0, water = 0;
    for (int c = 0; c <= 9; ++c)
        for (int r = 0; r <= 9; ++r) {
            const int four =
                b.SandGrid[c][r] + b.BlockGrid[c][r] + b.WaterGrid[c][r] + b.WallGrid[c][r];
            if (four > 1 || b.SolidGrid[c][r] != four) return "grids disagree at " + cell(c, r);
            if (b.WallGrid[c][r] != walls_[c][r]) return "the wall at " + cell(c, r) + " changed";
            if (c >= 1 && r >= 1) {
                blocks += b.BlockGrid[c][r];
                water += b.WaterGrid[c][r];
            }
        }
    if (b.BlockCount != blocks)
        return "BlockCount " + std::to_string(b.BlockCount) + " but " + std::to_string(blocks) +
               " blocks";
    if (b.WaterCount != water)
        return "WaterCount " + std::to_string(b.WaterCount) + " but " + std::to_string(water) +
               " water cells";

    const bool over = w.GameOverTimer->Enabled(), clear = w.StageClearTimer->Enabled();
    // A stage may load with no magic; once a cast has touched it, 0 means lost.
    if (b.MagicCount != loadMagic_ && (b.MagicCount < 0 || (b.MagicCount == 0 && !over)))
        return "magic " + std::to_string(b.MagicCount) + " without the game over running";

    const bool lw = w.LeftWalkTimer->Enabled(), rw = w.RightWalkTimer->Enabled();
    const bool lj = w.LeftJumpTimer->Enabled(), rj = w.RightJumpTimer->Enabled();
    if ((lw && rw) || (lj && rj) || (lj && rw) || (rj && lw) || (over && clear))
        return "an impossible pair of timers runs";

    if (decided_) {
        if (b.BlockGrid != frozenBlocks_ || b.WaterGrid != frozenWater_ ||
            b.SandGrid != frozenSand_ || b.MagicCount != frozenMagic_)
            return "the board changed after the stage was decided";
    } else if (over || clear) {
        decided_ = true;
        frozenBlocks_ = b.BlockGrid;
        frozenWater_ = b.WaterGrid;
        frozenSand_ = b.SandGrid;
        frozenMagic_ = b.MagicCount;
    }

    const float left = w.AnimeFrame->Left, top = w.AnimeFrame->Top;
    if (!multipleOf(left, 12) || !multipleOf(top, 12))
        return "the sprite stands at " + std::to_string(left) + "," + std::to_string(top);
    // Off the left edge the walk has nothing under it to agree with.
    if (left >= 0) {
        if (std::fabs(left - 48.0f * (b.PlayerCol - 1)) >= 48 ||
            std::fabs(top - 48.0f * (b.PlayerRow - 1)) >= 48 ||
            (b.OnColumn == 1) != (left == 48.0f * (b.PlayerCol - 1)) ||
            (b.OnRow == 1) != (top == 48.0f * (b.PlayerRow - 1)))
            return "the sprite at " + std::to_string(left) + "," + std::to_string(top) +
                   " is not on its cell " + cell(b.PlayerCol, b.PlayerRow);
    }
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            if (b.SolidGrid[c][r] != 1) continue;
            const float x = 48.0f * (c - 1), y = 48.0f * (r - 1);
            if (left < x + 48 && x < left + 48 && top < y + 48 && y < top + 48)
                return "the sprite at " + std::to_string(left) + "," + std::to_string(top) +
                       " overlaps the solid cell " + cell(c, r);
        }
    return {};
}

}  // namespace testing_support
