#include "qt/command_line.h"

#include <QGuiApplication>
#include <cstdio>
#include <string_view>

#include "qt/font_substitutes.h"

namespace qtfront {
namespace {

constexpr std::string_view kOptions =
    "\n"
    "  --help     show this help and leave\n"
    "  --version  show the version and leave\n";

}  // namespace

const ProgramHelp& gameHelp() {
    static const ProgramHelp help{
        "lumora",
        "\n"
        "Lumora is a tile puzzle: guide a small mage over a 9 x 9 board of sand,\n"
        "blocks, water and walls with the mouse.\n"
        "  Left click on another column: walk there, climbing one-cell steps.\n"
        "  Right click on a cell next to the mage: cast magic on it. An empty cell\n"
        "  gets a block (2 magic), a block goes (+1), water is cleared (2), sand\n"
        "  turns into magic (+8). Walls never change.\n"
        "A stage is cleared when the board holds exactly its target number of\n"
        "blocks, no two touching, no water left, and some magic remains.\n",
        "for the rules of play"};
    return help;
}

CommandLine readCommandLine(int argc, const char* const* argv, const ProgramHelp& help) {
    CommandLine c;
    if (argc <= 1) return c;
    c.play = false;
    const std::string usage = "Usage: " + help.name + " [--help | --version]\n";
    const std::string_view arg = argv[1];
    if (argc == 2 && arg == "--help") {
        c.out = usage + help.about + std::string(kOptions);
    } else if (argc == 2 && arg == "--version") {
        c.out = help.name + " " LUMORA_VERSION "\n";
    } else {
        const bool known = arg == "--help" || arg == "--version";
        c.exitCode = 2;
        c.err = help.name + ": unexpected argument '" + std::string(known ? argv[2] : argv[1]) +
                "'\n" + usage + "Try '" + help.name + " --help' " + help.more + ".\n";
    }
    return c;
}

std::optional<int> answerCommandLine(const CommandLine& command) {
    if (command.play) return std::nullopt;
    std::fputs(command.out.c_str(), stdout);
    std::fputs(command.err.c_str(), stderr);
    return command.exitCode;
}

void identifyApplication(const char* appId) {
    const QString id = QString::fromLatin1(appId);
    QGuiApplication::setApplicationName(id);
    QGuiApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
    QGuiApplication::setDesktopFileName(id);
    installFontSubstitutes();
}

}  // namespace qtfront
