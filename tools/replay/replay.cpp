#include "replay.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "game/files.h"
#include "game/pack.h"
#include "snapshot.h"
#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace replay {
namespace {

struct ScriptError {
    std::string reason;
};

// A "#" at the start of a word comments out the rest of the line, so scripts
// can say why they click where they click.
std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w && w[0] != '#';) out.push_back(w);
    return out;
}

long number(const std::string& text, long lo, long hi, const char* what) {
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < lo || value > hi)
        throw ScriptError{std::string("bad ") + what + " \"" + text + "\""};
    return value;
}

void expectArgs(const std::vector<std::string>& w, std::size_t n) {
    if (w.size() != n + 1)
        throw ScriptError{"\"" + w[0] + "\" takes " + std::to_string(n) + " argument" +
                          (n == 1 ? "" : "s")};
}

std::string formName(const std::string& word) {
    if (word == "menu") return ui::Menu::kName;
    if (word == "game") return ui::MainWindow::kName;
    throw ScriptError{"unknown form \"" + word + "\" (menu or game)"};
}

}  // namespace

int run(const std::string& folder, std::istream& script, std::ostream& out, std::ostream& err) {
    std::vector<std::pair<int, std::vector<std::string>>> commands;
    int lineNo = 0;
    for (std::string line; std::getline(script, line);) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        auto w = words(line);
        if (w.empty()) continue;
        commands.emplace_back(lineNo, std::move(w));
    }

    float twips = 15;
    std::size_t first = 0;
    try {
        if (!commands.empty() && commands[0].second[0] == "twips") {
            expectArgs(commands[0].second, 1);
            twips = static_cast<float>(number(commands[0].second[1], 1, 1440, "twips per pixel"));
            first = 1;
        }
    } catch (const ScriptError& e) {
        err << "script line " << commands[0].first << ": " << e.reason << "\n";
        return 2;
    }

    // A pack says in its pack.ini how many stages it holds; any other folder
    // holds the game's own.
    const auto stageCount = game::folderStageCount(folder);
    if (const auto* e = std::get_if<game::FileError>(&stageCount)) {
        err << "error: " << e->message << "\n";
        return 1;
    }
    ui::LumoraProgram game(folder, folder, twips, std::get<int>(stageCount));
    forms::Program& program = game.program();
    // What the game tells the player without stopping goes to `err`, one line
    // each, as it happens.
    auto relayMessages = [&] {
        for (std::string m : program.takeMessages()) {
            for (char& ch : m)
                if (ch == '\n') ch = ' ';
            err << "message: " << m << "\n";
        }
    };
    auto finished = [&]() -> int {
        relayMessages();
        if (program.fatalError()) {
            err << "error: " << *program.fatalError() << "\n";
            return 1;
        }
        out << "ended t=" << program.clock().now() << "\n";
        return 0;
    };

    game.start();
    if (program.ended()) return finished();
    relayMessages();

    for (std::size_t i = first; i < commands.size(); ++i) {
        const auto& [line, w] = commands[i];
        try {
            const std::string& cmd = w[0];
            auto requireGame = [&]() -> ui::MainWindow& {
                ui::MainWindow* win = game.gameWindow();
                if (win == nullptr) throw ScriptError{"the game window is not open"};
                return *win;
            };
            if (cmd == "wait") {
                expectArgs(w, 1);
                program.advance(number(w[1], 0, 1000L * 60 * 60 * 24 * 365, "time"));
            } else if (cmd == "down" || cmd == "up" || cmd == "tap") {
                expectArgs(w, 2);
                int k = static_cast<int>(number(w[1], 0, 81, "cell"));
                int b = static_cast<int>(number(w[2], 0, 7, "button"));
                requireGame();
                if (cmd != "up") program.mouseDown(ui::MainWindow::kName, "Tile", k, b);
                if (cmd != "down" && !program.ended())
                    program.mouseUp(ui::MainWindow::kName, "Tile", k, b);
            } else if (cmd == "click") {
                expectArgs(w, 2);
                std::string form = formName(w[1]);
                if (program.find(form) == nullptr)
                    throw ScriptError{"the " + w[1] + " window is not open"};
                if (w[2].rfind("Command", 0) != 0 || w[2].size() != 8 || w[2][7] < '1' ||
                    w[2][7] > (form == ui::Menu::kName ? '5' : '3') ||
                    (form == ui::MainWindow::kName && w[2][7] == '2'))
                    throw ScriptError{"no button \"" + w[2] + "\" on the " + w[1] + " window"};
                program.click(form, w[2]);
            } else if (cmd == "close") {
                expectArgs(w, 1);
                std::string form = formName(w[1]);
                if (program.find(form) == nullptr)
                    throw ScriptError{"the " + w[1] + " window is not open"};
                program.close(form);
            } else if (cmd == "save") {
                // What an earlier run would have left: play resumes there on Load.
                expectArgs(w, 1);
                const auto stage = static_cast<std::int32_t>(number(w[1], 0, 32767, "stage"));
                if (auto e = game::writeSaveFile(game.bas().saveFolder(), stage))
                    throw ScriptError{e->message};
            } else if (cmd == "show") {
                expectArgs(w, 0);
                out << snapshot(game) << "\n";
            } else if (cmd == "board") {
                expectArgs(w, 0);
                requireGame();
                out << boardText(game.bas());
            } else if (cmd == "answer") {
                expectArgs(w, 0);
                out << answerText(requireGame());
            } else {
                throw ScriptError{"unknown command \"" + cmd + "\""};
            }
        } catch (const ScriptError& e) {
            err << "script line " << line << ": " << e.reason << "\n";
            return 2;
        }
        if (program.ended()) return finished();
        relayMessages();
    }
    return 0;
}

}  // namespace replay
