#pragma once

#include <string>
#include <variant>
#include <vector>

#include "solver/search.h"
#include "solver/stage.h"

namespace solver {

// A solution turned into what a player does: a replay script of left clicks
// (walks) and right clicks (casts) with the waits between them, and the answer
// file of the board it ends on.
struct Plan {
    std::string script;
    std::string answer;
    int casts = 0;
    int walks = 0;
    int magicLeft = 0;
    bool operator==(const Plan&) const = default;
};

// Plays the casts through the movement model and writes them down. Fails when
// a cast cannot be made from where the character can walk, or when the
// solution does not end in a clear.
std::variant<Plan, std::string> makePlan(const Stage& stage, const std::vector<Cast>& casts,
                                         int stageNo);

// The stage as a file the game reads: board, target, budget, CR LF.
std::string stageFileText(const Stage& stage);

// The stage with the answer a board ends on: its blocks are the answer ("O"),
// but for blocks the stage began with that were never cast on (`touched`),
// which keep their own picture, as do walls and sand left standing.
game::StageDesc answerFor(const Stage& stage, const Board& board,
                          const std::array<bool, kCells>& touched);

// What the real game made of a script.
struct Replayed {
    bool cleared = false;  // the last snapshot shows StageClearTimer running
    std::string board;     // the board after the script, nine lines
    std::string output;    // everything the replay printed
};

// Runs the script through the game in a folder of its own holding the stage
// and answer files and a save file with the stage number.
Replayed replayInGame(const std::string& stageFile, const std::string& answerFile,
                      const std::string& script, int stageNo);

// The answer's board as the game's board output shows it: "O" and "B" both blocks.
std::string answerAsBoard(const std::string& answer);

}  // namespace solver
