#pragma once

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "game/stage_desc.h"
#include "solver/stage.h"

namespace testing_support {

// A stage drawn as a test reads best: its rows from the top, in the stage
// file's letters, then the target and the budget.
inline solver::Stage stageOfRows(const std::vector<std::string>& rows, int target, int budget) {
    game::MapLines lines{};
    for (std::size_t i = 0; i < rows.size(); ++i) lines[i + 1] = rows[i];
    lines[10] = std::to_string(target);
    lines[11] = std::to_string(budget);
    auto parsed = solver::parseStage(lines, "test");
    if (auto* e = std::get_if<std::string>(&parsed)) throw std::runtime_error(*e);
    return std::get<solver::Stage>(parsed);
}

}  // namespace testing_support
