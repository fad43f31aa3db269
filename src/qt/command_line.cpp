#include "qt/command_line.h"

#include <QGuiApplication>
#include <cstdio>
#include <string_view>

#include "game/translatable.h"
#include "qt/font_substitutes.h"
#include "qt/languages.h"

namespace qtfront {
namespace {

// The texts --help and a mistake print, in the system's language.
constexpr auto kHelp = "Help";
constexpr const char* kOptions = QT_TRANSLATE_NOOP(
    "Help",
    "\n"
    "  --help     show this help and leave\n"
    "  --version  show the version and leave\n");

std::string helpText(const char* text) { return translateEarly(kHelp, text); }

// A place mark ("%1") in a translated text replaced by `value`.
std::string fill(std::string text, std::string_view mark, const std::string& value) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), value);
    return text;
}

}  // namespace

const ProgramHelp& gameHelp() {
    static const ProgramHelp help{
        "lumora",
        QT_TRANSLATE_NOOP("Help",
        "\n"
        "Lumora is a tile puzzle: guide a small mage over a 9 x 9 board of sand,\n"
        "blocks, water and walls with the mouse.\n"
        "  Left click on another column: walk there, climbing one-cell steps.\n"
        "  Right click on a cell next to the mage: cast magic on it. An empty cell\n"
        "  gets a block (2 magic), a block goes (+1), water is cleared (2), sand\n"
        "  turns into magic (+8). Walls never change.\n"
        "A stage is cleared when the board holds exactly its target number of\n"
        "blocks, no two touching, no water left, and some magic remains.\n"),
        "",
        QT_TRANSLATE_NOOP("Help", "for the rules of play")};
    return help;
}

CommandLine readCommandLine(int argc, const char* const* argv, const ProgramHelp& help) {
    CommandLine c;
    if (argc <= 1) return c;
    c.play = false;
    const std::string usage = fill(helpText(QT_TRANSLATE_NOOP("Help", "Usage: %1 [--help | --version]")),
                                   "%1", help.name) + "\n";
    const std::string_view arg = argv[1];
    if (argc == 2 && arg == "--help") {
        c.out = usage + helpText(help.about.c_str()) + help.list + helpText(kOptions);
    } else if (argc == 2 && arg == "--version") {
        c.out = help.name + " " LUMORA_VERSION "\n";
    } else {
        const bool known = arg == "--help" || arg == "--version";
        c.exitCode = 2;
        c.err = help.name + ": " +
                fill(helpText(QT_TRANSLATE_NOOP("Help", "unexpected argument '%1'")), "%1",
                     known ? argv[2] : argv[1]) +
                "\n" + usage +
                fill(fill(helpText(QT_TRANSLATE_NOOP("Help", "Try '%1 --help' %2.")), "%1", help.name),
                     "%2", helpText(help.more.c_str())) +
                "\n";
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
