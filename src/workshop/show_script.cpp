#include "workshop/show_script.h"

namespace workshop {
namespace {

using Kind = game::ScriptStep::Kind;

// A show longer than this between two clicks is no solution worth watching.
constexpr long kMaxWaitMs = 60'000;

std::string lineText(int line) { return "line " + std::to_string(line) + ": "; }

}  // namespace

std::variant<std::vector<game::ScriptStep>, std::string> showSteps(
    const std::vector<game::ScriptStep>& steps) {
    std::vector<game::ScriptStep> shown;
    for (const game::ScriptStep& s : steps) {
        switch (s.kind) {
            case Kind::Wait:
                if (s.number > kMaxWaitMs)
                    return lineText(s.line) + "wait takes milliseconds up to " +
                           std::to_string(kMaxWaitMs);
                [[fallthrough]];
            case Kind::Down:
            case Kind::Up:
            case Kind::Tap:
                shown.push_back(s);
                break;
            case Kind::Show:
            case Kind::Board:
            case Kind::Answer:
            case Kind::Note:
                break;
            case Kind::Click:
                // The show opens the stage itself; the Load is what a replay needs.
                if (s.menu && s.command == game::kMenuLoadCommand) break;
                [[fallthrough]];
            default:
                return lineText(s.line) + "not a click or a wait";
        }
    }
    return shown;
}

std::variant<std::vector<game::ScriptStep>, std::string> parseShowScript(
    const std::string& script) {
    const game::ScriptRead read = game::readScript(script);
    if (read.error) return lineText(read.error->line) + read.error->reason;
    return showSteps(read.steps);
}

}  // namespace workshop
