#pragma once

#include <string>
#include <variant>

#include "solver/generate.h"

namespace solvecli {

// What `--generate SEED [--require MOVE,MOVE...] [--casts MIN-MAX]` asks for, as
// the command line spells it; empty texts take the defaults.
struct GenerateArgs {
    std::string seed, require, casts;
};

// The generator's options, or what is wrong with the arguments (an unknown
// move's message lists the names there are).
std::variant<solver::GenerateOptions, std::string> generateOptions(const GenerateArgs& args);

}  // namespace solvecli
