#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "game/replay_script.h"
#include "headless/check.h"
#include "solver/plan.h"
#include "solver/stage.h"

namespace testing_support {

// A solution played in the whole game with a snapshot before every click and
// after every cast: what the game showed, not what the solver expected.
struct Watched {
    bool cleared = false;
    int casts = 0;        // right clicks the game acted on
    int idleCasts = 0;    // right clicks that changed nothing shown
    int walks = 0;        // left clicks that moved the character
    int idleWalks = 0;    // left clicks that did not
    int lowestMagic = 0;  // after any cast
    std::string output;
};

namespace watched_detail {

inline std::string field(const std::string& line, const std::string& key) {
    const std::size_t at = line.find(" " + key + "=");
    if (at == std::string::npos) return {};
    const std::size_t from = at + key.size() + 2;
    return line.substr(from, line.find(' ', from) - from);
}

}  // namespace watched_detail

// Plays the plan's clicks on the stage started with `magic` instead of its own.
inline Watched watchInGame(const solver::Stage& stage, const solver::Plan& plan, int magic) {
    using game::ScriptStep;
    game::StageDesc desc = solver::withAnswer(stage, plan);
    desc.magic = static_cast<std::int16_t>(magic);
    std::vector<ScriptStep> steps;
    std::vector<int> buttons;  // of each tap, in order
    for (const ScriptStep& s : plan.steps) {
        if (s.kind == ScriptStep::Kind::Tap) {
            steps.push_back(ScriptStep::of(ScriptStep::Kind::Show));
            buttons.push_back(s.button);
        }
        steps.push_back(s);
        if (s.kind == ScriptStep::Kind::Tap && s.button == 2)
            steps.push_back(ScriptStep::of(ScriptStep::Kind::Show));
    }
    steps.push_back(ScriptStep::of(ScriptStep::Kind::Show));
    const headless::InGame game = headless::playSolution(desc, steps, 1);

    Watched w;
    w.cleared = game.cleared;
    w.output = game.output;
    std::vector<std::string> shows;
    std::istringstream in(game.output);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("t=", 0) == 0 && line.find(" magic=") != std::string::npos)
            shows.push_back(line);
    w.lowestMagic = magic;
    std::size_t at = 0;
    auto place = [](const std::string& l) {
        return watched_detail::field(l, "col") + "," + watched_detail::field(l, "row");
    };
    for (int button : buttons) {
        if (at + 1 >= shows.size()) break;
        const std::string& before = shows[at++];
        const std::string& after = shows[at];
        if (button == 2) {
            ++at;  // the show after the cast; the next tap's comes after it
            // A cast on a wall changes no magic, but it is judged: it may clear.
            ++(after != before ? w.casts : w.idleCasts);
            w.lowestMagic =
                std::min(w.lowestMagic, std::stoi(watched_detail::field(after, "magic")));
        } else {
            ++(place(after) != place(before) ? w.walks : w.idleWalks);
        }
    }
    return w;
}

}  // namespace testing_support
