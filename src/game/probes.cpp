#include "game/lumora_bas.h"
#include "game/rules.h"
#include "game/steps.h"

namespace game {
namespace {

// Positions are compared exactly: a sprite counts as on a cell only when it
// stands on it to the pixel.
bool alignedIndex(float position, std::int16_t& index) {
    for (int k = 1; k <= 9; ++k) {
        if (position == static_cast<float>(rules::kCellPixels * (k - 1))) {
            index = static_cast<std::int16_t>(k);
            return true;
        }
    }
    return false;
}

}  // namespace

void LumoraBas::UpdatePlayerCell(float left, float top) {
    OnColumn = alignedIndex(left, PlayerCol) ? 1 : 0;
    OnRow = alignedIndex(top, PlayerRow) ? 1 : 0;
}

// A step sideways, dx = -1 to the left or +1 to the right. Between two rows the
// character needs room in both; the later test wins when both apply.
bool LumoraBas::probeSide(int dx, std::int16_t& canWalk, float top) {
    const int c = PlayerCol, r = PlayerRow;
    if (OnRow == 0) {
        if (static_cast<float>(rules::kCellPixels * r) > top)
            canWalk = (solidAt(c + dx, r - 1) == 0 && solidAt(c + dx, r) == 0) ? 1 : 0;
        if (static_cast<float>(rules::kCellPixels * (r - 1)) < top)
            canWalk = (solidAt(c + dx, r + 1) != 1 && solidAt(c + dx, r) != 1) ? 1 : 0;
    }
    if (OnRow == 1) canWalk = steps::canWalk(stops(), c, r, dx) ? 1 : 0;
    // Arrival: the walk ends on the clicked column, whatever lies ahead.
    if (ClickCol != PlayerCol) return false;
    CanWalkLeft = 0;
    CanWalkRight = 0;
    return true;
}

bool LumoraBas::ProbeLeft(float top) { return probeSide(-1, CanWalkLeft, top); }

bool LumoraBas::ProbeRight(float top) { return probeSide(1, CanWalkRight, top); }

void LumoraBas::ProbeBelow(float left) {
    const int c = PlayerCol, r = PlayerRow;
    const float column = static_cast<float>(rules::kCellPixels * (c - 1));
    if (column > left)
        CanFall = (solidAt(c - 1, r + 1) != 1 && solidAt(c, r + 1) != 1) ? 1 : 0;
    if (column < left)
        CanFall = (solidAt(c + 1, r + 1) != 1 && solidAt(c, r + 1) != 1) ? 1 : 0;
    if (OnColumn == 1) CanFall = steps::canFall(stops(), c, r) ? 1 : 0;
}

// A climb onto a one-cell step: the cell above the character and the one above
// the obstacle must both be free.
bool LumoraBas::probeJump(int dx, std::int16_t& canWalk, std::int16_t& canJump) {
    const int c = PlayerCol, r = PlayerRow;
    if (OnRow == 1) canWalk = steps::canWalk(stops(), c, r, dx) ? 1 : 0;
    if (canWalk == 0 && OnRow == 1) canJump = steps::canClimb(stops(), c, r, dx) ? 1 : 0;
    if (ClickCol != PlayerCol) return false;
    CanJumpLeft = 0;
    CanJumpRight = 0;
    return true;
}

bool LumoraBas::ProbeLeftJump() { return probeJump(-1, CanWalkLeft, CanJumpLeft); }

bool LumoraBas::ProbeRightJump() { return probeJump(1, CanWalkRight, CanJumpRight); }

}  // namespace game
