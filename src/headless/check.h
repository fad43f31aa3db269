#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/replay_script.h"
#include "game/stage_desc.h"

namespace headless {

// A board's cells row by row, as the game's grids hold them.
using Cells = std::array<game::CellKind, game::kBoardCells>;

// What the real game made of a solution's steps, read from the game once the
// steps are over.
struct InGame {
    bool cleared = false;  // the steps ran and left the Stage Clear sequence running
    Cells board{};         // the board after the steps
    int magic = 0;         // the magic after the steps
    std::string output;    // everything the replay printed, the board last
};

// Plays the steps through the whole game on the stage as stage `stageNo`:
// its stage file, its answer file and a save on its number, all held in
// memory behind the game's file seam on this thread, so nothing touches a
// disk and checks on other threads do not meet.
InGame playSolution(const game::StageDesc& withAnswer, const std::vector<game::ScriptStep>& steps,
                    int stageNo);

// The board the game must end on: the answer's, a cell of the answer shown
// as the block it holds.
Cells answerBoard(const game::StageDesc& withAnswer);

// The solver's check (solver::InGameCheck): nothing when the game clears the
// stage and its cells are the answer's, else what the game printed.
std::optional<std::string> checkInGame(const game::StageDesc& withAnswer,
                                       const std::vector<game::ScriptStep>& steps, int stageNo);

// What a solution a pack carries makes of its stage in the game: none to
// play, a clear on the answer's board, or anything else (a script the replay
// refuses included).
enum class Carried { None, Proven, DoesNotClear };
Carried checkCarried(const game::StageDesc& withAnswer, const std::string& solution, int stageNo);

}  // namespace headless
