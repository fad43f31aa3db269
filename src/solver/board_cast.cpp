#include "solver/board_cast.h"

namespace solver {

CastEffect castOn(const Stage& stage, const Board& board, int from, int target) {
    CastEffect e;
    e.board = board;
    e.move = directionMoves(from, target);
    if (stage.wall[static_cast<std::size_t>(target)]) {
        e.wall = true;
    } else {
        const CellChange change = changeOf(stage, board.kind(target), target);
        e.board.set(target, change.after);
        e.magicDelta = change.magic;
        e.move |= change.move;
    }
    e.board.setPlayer(from);
    // The floor gone, the character falls through `from` and may cast on the way.
    if (target == from + 9 && !e.wall) e.board.setFalling(true);
    return e;
}

}  // namespace solver
