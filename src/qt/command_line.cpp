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
constexpr const char* kOptions = QT_TRANSLATE_NOOP("Help",
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

// Columns a text takes on a terminal: one a character, two for the CJK
// scripts (U+3000 to U+DFFF, the UTF-8 lead bytes E3 to ED), which are wide.
std::size_t columns(std::string_view text) {
    std::size_t n = 0;
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if ((byte & 0xC0) != 0x80) n += byte >= 0xE3 && byte <= 0xED ? 2 : 1;
    }
    return n;
}

// The options' form, then the operand's under it, the names aligned.
std::string usageLine(const ProgramHelp& help) {
    const std::string usage =
        fill(helpText(QT_TRANSLATE_NOOP("Help", "Usage: %1 [--help | --version]")), "%1",
             help.name) +
        "\n";
    if (help.operand == nullptr) return usage;
    const std::size_t at = usage.find(help.name);
    const std::size_t indent = at == std::string::npos ? 0 : columns(usage.substr(0, at));
    return usage + std::string(indent, ' ') + help.name + " [" + helpText(help.operand) + "]\n";
}

std::string helpPage(const ProgramHelp& help) {
    std::string page =
        usageLine(help) + helpText(help.about.c_str()) + help.list + helpText(kOptions);
    if (help.operandHelp != nullptr) page += helpText(help.operandHelp);
    return page;
}

std::string mistake(const ProgramHelp& help, const std::string& argument) {
    return help.name + ": " +
           fill(helpText(QT_TRANSLATE_NOOP("Help", "unexpected argument '%1'")), "%1", argument) +
           "\n" + usageLine(help) +
           fill(fill(helpText(QT_TRANSLATE_NOOP("Help", "Try '%1 --help' %2.")), "%1", help.name),
                "%2", helpText(help.more.c_str())) +
           "\n";
}

// The one path a program that opens a file takes, or nothing. An argument
// starting with "-" is an option unless "--" came before it.
std::optional<std::string> pathOf(int argc, const char* const* argv, const ProgramHelp& help) {
    if (help.operand == nullptr) return std::nullopt;
    const std::string_view first = argv[1];
    if (argc == 2 && !first.empty() && first.front() != '-') return std::string(first);
    if (argc == 3 && first == "--" && argv[2][0] != '\0') return std::string(argv[2]);
    return std::nullopt;
}

// The argument a mistake names: the first one that cannot stand where it is.
std::string strayArgument(int argc, const char* const* argv, const ProgramHelp& help) {
    const std::string_view first = argv[1];
    const bool takesPath = help.operand != nullptr;
    if (takesPath && first == "--") return argc > 3 ? argv[3] : argv[1];
    const bool mayStand =
        first == "--help" || first == "--version" || (takesPath && !first.starts_with('-'));
    return mayStand && argc > 2 ? argv[2] : argv[1];
}

}  // namespace

const ProgramHelp& gameHelp() {
    static const ProgramHelp help{
        "lumora",
        QT_TRANSLATE_NOOP(
            "Help",
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
        QT_TRANSLATE_NOOP("Help", "for the rules of play"),
        QT_TRANSLATE_NOOP("Help", "PACK"),
        QT_TRANSLATE_NOOP("Help",
                          "  PACK       a pack file (NAME.lumora) or a pack folder: its stages\n"
                          "             are played, with a save of their own\n")};
    return help;
}

CommandLine readCommandLine(int argc, const char* const* argv, const ProgramHelp& help) {
    CommandLine c;
    if (argc <= 1) return c;
    if (auto path = pathOf(argc, argv, help)) {
        c.path = std::move(*path);
        return c;
    }
    c.play = false;
    const std::string_view arg = argv[1];
    if (argc == 2 && arg == "--help") {
        c.out = helpPage(help);
    } else if (argc == 2 && arg == "--version") {
        c.out = help.name + " " LUMORA_VERSION "\n";
    } else {
        c.exitCode = 2;
        c.err = mistake(help, strayArgument(argc, argv, help));
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
