#include "game/lumora_bas.h"

namespace game {
namespace {

// Positions are compared exactly: a sprite counts as on a cell only when it
// stands on it to the pixel.
bool alignedIndex(float position, std::int16_t& index) {
    for (int k = 1; k <= 9; ++k) {
        if (position == static_cast<float>(48 * (k - 1))) {
            index = static_cast<std::int16_t>(k);
            return true;
        }
    }
    return false;
}

}  // namespace

void LumoraBas::UpdatePlayerCell() {
    OnColumn = alignedIndex(Win->AnimeFrame->Left, PlayerCol) ? 1 : 0;
    OnRow = alignedIndex(Win->AnimeFrame->Top, PlayerRow) ? 1 : 0;
}

void LumoraBas::ProbeLeft() {
    const int c = PlayerCol, r = PlayerRow;
    if (OnRow == 0) {
        if (static_cast<float>(48 * r) > Win->AnimeFrame->Top)
            CanWalkLeft = (solidAt(c - 1, r - 1) == 0 && solidAt(c - 1, r) == 0) ? 1 : 0;
        if (static_cast<float>(48 * (r - 1)) < Win->AnimeFrame->Top)
            CanWalkLeft = (solidAt(c - 1, r + 1) != 1 && solidAt(c - 1, r) != 1) ? 1 : 0;
    }
    if (OnRow == 1) CanWalkLeft = solidAt(c - 1, r) == 1 ? 0 : 1;
    if (ClickCol == PlayerCol) {
        CanWalkLeft = 0;
        CanWalkRight = 0;
        Win->LeftWalkTimer->setEnabled(false);
        Win->RightWalkTimer->setEnabled(false);
    }
}

void LumoraBas::ProbeRight() {
    const int c = PlayerCol, r = PlayerRow;
    if (OnRow == 0) {
        if (static_cast<float>(48 * r) > Win->AnimeFrame->Top)
            CanWalkRight = (solidAt(c + 1, r - 1) == 0 && solidAt(c + 1, r) == 0) ? 1 : 0;
        if (static_cast<float>(48 * (r - 1)) < Win->AnimeFrame->Top)
            CanWalkRight = (solidAt(c + 1, r + 1) != 1 && solidAt(c + 1, r) != 1) ? 1 : 0;
    }
    if (OnRow == 1) CanWalkRight = solidAt(c + 1, r) == 1 ? 0 : 1;
    if (ClickCol == PlayerCol) {
        CanWalkLeft = 0;
        CanWalkRight = 0;
        Win->LeftWalkTimer->setEnabled(false);
        Win->RightWalkTimer->setEnabled(false);
    }
}

void LumoraBas::ProbeBelow() {
    const int c = PlayerCol, r = PlayerRow;
    const float column = static_cast<float>(48 * (c - 1));
    if (column > Win->AnimeFrame->Left)
        CanFall = (solidAt(c - 1, r + 1) != 1 && solidAt(c, r + 1) != 1) ? 1 : 0;
    if (column < Win->AnimeFrame->Left)
        CanFall = (solidAt(c + 1, r + 1) != 1 && solidAt(c, r + 1) != 1) ? 1 : 0;
    if (OnColumn == 1) CanFall = solidAt(c, r + 1) == 1 ? 0 : 1;
}

void LumoraBas::ProbeLeftJump() {
    const int c = PlayerCol, r = PlayerRow;
    if (OnRow == 1) CanWalkLeft = solidAt(c - 1, r) == 1 ? 0 : 1;
    if (CanWalkLeft == 0 && OnRow == 1)
        CanJumpLeft = (solidAt(c, r - 1) != 1 && solidAt(c - 1, r - 1) != 1) ? 1 : 0;
    if (ClickCol == PlayerCol) {
        CanJumpLeft = 0;
        CanJumpRight = 0;
        Win->LeftJumpTimer->setEnabled(false);
        Win->RightJumpTimer->setEnabled(false);
        ShowFacingPicture();
    }
}

void LumoraBas::ProbeRightJump() {
    const int c = PlayerCol, r = PlayerRow;
    if (OnRow == 1) CanWalkRight = solidAt(c + 1, r) == 1 ? 0 : 1;
    if (CanWalkRight == 0 && OnRow == 1)
        CanJumpRight = (solidAt(c, r - 1) != 1 && solidAt(c + 1, r - 1) != 1) ? 1 : 0;
    if (ClickCol == PlayerCol) {
        CanJumpLeft = 0;
        CanJumpRight = 0;
        Win->LeftJumpTimer->setEnabled(false);
        Win->RightJumpTimer->setEnabled(false);
        ShowFacingPicture();
    }
}

}  // namespace game
