#include "headless/replay.h"

#include <istream>
#include <iterator>
#include <ostream>

#include "game/files.h"
#include "game/pack.h"
#include "headless/snapshot.h"
#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace headless {
namespace {

using Kind = game::ScriptStep::Kind;

struct ScriptError {
    std::string reason;
};

int scriptError(std::ostream& err, int line, const std::string& reason) {
    err << "script line " << line << ": " << reason << "\n";
    return 2;
}

// The twips a screen of 96 dots per inch has.
constexpr float kDefaultTwips = 15;

std::string formName(bool menu) { return menu ? ui::Menu::kName : ui::MainWindow::kName; }
std::string formWord(bool menu) { return menu ? "menu" : "game"; }

// Carries out one step of a script on a running game.
class Player {
public:
    Player(ui::LumoraProgram& game, std::ostream& out, const EventHook& afterEvent)
        : game_(game), out_(out), afterEvent_(afterEvent) {}

    void step(const game::ScriptStep& s) {
        forms::Program& program = game_.program();
        switch (s.kind) {
            case Kind::Wait:
                wait(s.number);
                break;
            case Kind::Down:
            case Kind::Up:
            case Kind::Tap: {
                requireGame();
                const int k = static_cast<int>(s.number);
                if (s.kind != Kind::Up) {
                    program.mouseDown(ui::MainWindow::kName, "Tile", k, s.button);
                    seen();
                }
                if (s.kind != Kind::Down && !program.ended()) {
                    program.mouseUp(ui::MainWindow::kName, "Tile", k, s.button);
                    seen();
                }
                break;
            }
            case Kind::Click:
                requireOpen(s.menu);
                program.click(formName(s.menu), "Command" + std::to_string(s.command));
                seen();
                break;
            case Kind::Close:
                requireOpen(s.menu);
                program.close(formName(s.menu));
                seen();
                break;
            case Kind::Save:
                // What an earlier run would have left: play resumes there on Load.
                if (auto e = game::writeSaveFile(game_.bas().saveFolder(),
                                                 static_cast<std::int32_t>(s.number)))
                    throw ScriptError{e->message};
                break;
            case Kind::Show:
                out_ << snapshot(game_) << "\n";
                break;
            case Kind::Board:
                requireGame();
                out_ << boardText(game_.bas());
                break;
            case Kind::Answer:
                out_ << answerText(requireGame());
                break;
            case Kind::Twips:
            case Kind::Note:
                break;
        }
    }

private:
    void seen() {
        if (afterEvent_) afterEvent_(game_);
    }
    // Time moves one due tick at a time when each event is watched.
    void wait(std::int64_t ms) {
        forms::Program& program = game_.program();
        if (!afterEvent_) {
            program.advance(ms);
            return;
        }
        program.advanceWatched(ms, [this] {
            seen();
            return true;
        });
    }
    ui::MainWindow& requireGame() {
        ui::MainWindow* win = game_.gameWindow();
        if (win == nullptr) throw ScriptError{"the game window is not open"};
        return *win;
    }
    void requireOpen(bool menu) {
        if (game_.program().find(formName(menu)) == nullptr)
            throw ScriptError{"the " + formWord(menu) + " window is not open"};
    }

    ui::LumoraProgram& game_;
    std::ostream& out_;
    const EventHook& afterEvent_;
};

}  // namespace

namespace {

// Plays the script on a started game; the status is play's.
int playOn(ui::LumoraProgram& game, const game::ScriptRead& script, std::ostream& out,
           std::ostream& err, const EventHook& afterEvent) {
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

    Player player(game, out, afterEvent);
    for (const game::ScriptStep& s : script.steps) {
        try {
            player.step(s);
        } catch (const ScriptError& e) {
            return scriptError(err, s.line, e.reason);
        }
        if (program.ended()) return finished();
        relayMessages();
    }
    if (script.error) return scriptError(err, script.error->line, script.error->reason);
    return 0;
}

}  // namespace

int play(const std::string& folder, const game::ScriptRead& script, std::ostream& out,
         std::ostream& err, const EventHook& afterEvent, const EventHook& atEnd) {
    if (script.error && script.error->beforePlay)
        return scriptError(err, script.error->line, script.error->reason);
    float twips = kDefaultTwips;
    if (!script.steps.empty() && script.steps.front().kind == Kind::Twips)
        twips = static_cast<float>(script.steps.front().number);

    // A pack says in its pack.ini how many stages it holds; any other folder
    // holds the game's own.
    const auto stageCount = game::folderStageCount(folder);
    if (const auto* e = std::get_if<game::FileError>(&stageCount)) {
        err << "error: " << e->message << "\n";
        return 1;
    }
    ui::LumoraProgram game(folder, folder, twips, std::get<int>(stageCount));
    const int status = playOn(game, script, out, err, afterEvent);
    if (atEnd) atEnd(game);
    return status;
}

int run(const std::string& folder, std::istream& script, std::ostream& out, std::ostream& err) {
    const std::string text{std::istreambuf_iterator<char>(script),
                           std::istreambuf_iterator<char>()};
    return play(folder, game::readScript(text), out, err);
}

}  // namespace headless
