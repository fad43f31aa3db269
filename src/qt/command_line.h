#pragma once

#include <optional>
#include <string>

namespace qtfront {

// What the command line asks for. The programs take no options that change
// what they do: --help and --version answer and leave, before any window or
// display is needed. A program that opens a file (a pack) takes its path as
// the one argument, after "--" when it starts with "-"; anything else is a
// mistake.
struct CommandLine {
    bool play = true;
    std::string path;  // the file to open, empty for none
    int exitCode = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// What --help tells about one program, in English; --help and a mistake print
// it in the system's language where the program carries a translation.
struct ProgramHelp {
    std::string name;   // "lumora", as the usage and the version name it
    std::string about;  // what follows the usage line, translated as one text
    std::string list;   // printed after it as it stands (translated by the program)
    std::string more;   // what --help is for, after "Try 'lumora --help'"
    // What the one argument names in the usage ("PACK") and the line --help
    // tells it by; a program without one takes no argument but the options.
    const char* operand = nullptr;
    const char* operandHelp = nullptr;
};

// The game's own.
const ProgramHelp& gameHelp();

CommandLine readCommandLine(int argc, const char* const* argv,
                            const ProgramHelp& help = gameHelp());

// Prints what an answered command line says; its exit status, or nothing
// when the program is to run.
std::optional<int> answerCommandLine(const CommandLine& command);

// One id for the desktop entry, the icon and the window class, so the desktop
// puts the running program under its menu entry; with the version, and the
// fonts the pictures' texts stand in for. After the application is made.
void identifyApplication(const char* appId);

}  // namespace qtfront
