#pragma once

#include <QImage>

#include "game/stage_desc.h"

namespace qtfront {

// A stage's board as the game window shows it when the stage starts: the
// window's white, the pictures of the sand, blocks, water and walls, and the
// character standing on its start, at the game's own size (rules::kCellPixels
// a cell). Painted from the pictures compiled in, so it needs no application,
// no display and no fonts.
QImage startingBoard(const game::StageDesc& stage);

}  // namespace qtfront
