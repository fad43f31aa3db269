#pragma once

#include <string>

namespace qtfront {

// What the command line asks for. The game takes no options that change play:
// --help and --version answer and leave, before any window or display is
// needed; anything else is a mistake.
struct CommandLine {
    bool play = true;
    int exitCode = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

CommandLine readCommandLine(int argc, const char* const* argv);

}  // namespace qtfront
