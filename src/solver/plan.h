#pragma once

#include <string>
#include <variant>
#include <vector>

#include "game/replay_script.h"
#include "solver/search.h"
#include "solver/stage.h"

namespace solver {

// A solution turned into what a player does: the steps of a replay script,
// left clicks (walks) and right clicks (casts) with the waits between them,
// from the menu's Load on, and the answer of the board it ends on.
struct Plan {
    std::vector<game::ScriptStep> steps;
    game::AnswerMarks answer{};
    int casts = 0;
    int walks = 0;
    int magicLeft = 0;
    bool operator==(const Plan&) const = default;
    std::string script() const { return game::writeScript(steps); }
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

// The stage with the plan's answer, as its answer file holds it.
game::StageDesc withAnswer(const Stage& stage, const Plan& plan);

}  // namespace solver
