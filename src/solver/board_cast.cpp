#include "solver/board_cast.h"

namespace solver {

CastEffect castOn(const Stage& stage, const Board& board, int from, int target) {
    CastEffect e;
    e.board = board;
    const int cell = cellOf(from);
    e.move = directionMoves(cell, target);
    if (stage.wall[static_cast<std::size_t>(target)]) {
        e.wall = true;
    } else {
        const CellChange change = changeOf(stage, board.kind(target), target);
        e.board.set(target, change.after);
        e.magicDelta = change.magic;
        e.move |= change.move;
    }
    // The floor gone, the character falls through `from`'s cell, from over
    // the top too, and may cast on the way.
    const bool falls = target == cell + 9 && !e.wall;
    e.board.setPlayer(falls ? cell : from);
    if (falls) e.board.setFalling(true);
    return e;
}

}  // namespace solver
