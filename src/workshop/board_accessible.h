#pragma once

#include <QString>

#include "game/stage_desc.h"

namespace workshop {

// Puts the board before screen readers as a table of its 81 cells, each
// named by its place and kind; the keyboard's cell is the focused one. Any
// number of calls install it once.
void installBoardAccessibility();

// What a screen reader says of cell (c, r), both 1..9: "column 5, row 3:
// water", with ", start" where the character stands.
QString cellSpoken(const game::StageDesc& stage, int c, int r);

}  // namespace workshop
