#pragma once

#include <variant>

#include "bench/drawn/drawn_stages.h"
#include "solver/stage.h"

namespace testing_support {

// A random stage of the drawn-stage benchmark (seed 25, 70 % open, the first)
// that neither verdict search settles within 512 MB, so both grow as far as
// a test lets them.
inline solver::Stage drawnUndecided() {
    const auto desc = drawn::drawnStage(25, 70, drawn::StageKind::Random, 0);
    return std::get<solver::Stage>(solver::stageFromDesc(*desc, "drawn"));
}

}  // namespace testing_support
