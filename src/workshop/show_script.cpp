#include "workshop/show_script.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace workshop {
namespace {

// A show longer than this between two clicks is no solution worth watching.
constexpr long kMaxWaitMs = 60'000;
constexpr long kMaxCell = 81;
constexpr long kMaxButton = 7;

struct Command {
    const char* word;
    ShowStep::Kind kind;
};
constexpr Command kCommands[] = {{"wait", ShowStep::Kind::Wait},
                                 {"down", ShowStep::Kind::Down},
                                 {"up", ShowStep::Kind::Up},
                                 {"tap", ShowStep::Kind::Tap}};
constexpr const char* kLookOnly[] = {"show", "board", "answer"};
// The show opens the stage itself; the script's Load is what a replay needs.
const std::vector<std::string> kOpening = {"click", "menu", "Command2"};

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w && w[0] != '#';) out.push_back(w);
    return out;
}

bool number(const std::string& text, long hi, int& out) {
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0 || value > hi)
        return false;
    out = static_cast<int>(value);
    return true;
}

// The step one line asks for: none for a line passed over.
std::variant<std::vector<ShowStep>, std::string> stepOf(const std::vector<std::string>& w) {
    if (w.empty() || w == kOpening) return std::vector<ShowStep>{};
    if (std::any_of(std::begin(kLookOnly), std::end(kLookOnly),
                    [&](const char* word) { return w[0] == word; }))
        return std::vector<ShowStep>{};
    auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                           [&](const Command& c) { return w[0] == c.word; });
    if (it == std::end(kCommands)) return "\"" + w[0] + "\" is not a click or a wait";
    ShowStep step;
    step.kind = it->kind;
    if (step.kind == ShowStep::Kind::Wait) {
        if (w.size() != 2 || !number(w[1], kMaxWaitMs, step.ms))
            return std::string("wait takes milliseconds up to ") + std::to_string(kMaxWaitMs);
    } else if (w.size() != 3 || !number(w[1], kMaxCell, step.cell) ||
               !number(w[2], kMaxButton, step.button)) {
        return w[0] + " takes a cell up to " + std::to_string(kMaxCell) + " and a button";
    }
    return std::vector<ShowStep>{step};
}

}  // namespace

std::variant<std::vector<ShowStep>, std::string> parseShowScript(const std::string& script) {
    std::vector<ShowStep> steps;
    std::istringstream in(script);
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        auto step = stepOf(words(line));
        if (const auto* problem = std::get_if<std::string>(&step))
            return "line " + std::to_string(lineNo) + ": " + *problem;
        for (const ShowStep& s : std::get<std::vector<ShowStep>>(step)) steps.push_back(s);
    }
    return steps;
}

}  // namespace workshop
