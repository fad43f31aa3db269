#include "game/replay_script.h"

#include <algorithm>
#include <charconv>

namespace game {
namespace {

using Kind = ScriptStep::Kind;

// Every command with the words it takes; a table, so reader and writer
// cannot disagree on a name.
struct Command {
    Kind kind;
    const char* word;
    std::size_t args;
};
constexpr Command kCommands[] = {
    {Kind::Twips, "twips", 1}, {Kind::Wait, "wait", 1},     {Kind::Down, "down", 2},
    {Kind::Up, "up", 2},       {Kind::Tap, "tap", 2},       {Kind::Click, "click", 2},
    {Kind::Close, "close", 1}, {Kind::Save, "save", 1},     {Kind::Show, "show", 0},
    {Kind::Board, "board", 0}, {Kind::Answer, "answer", 0},
};

constexpr long kMostWaitMs = 1000L * 60 * 60 * 24 * 365;
constexpr long kMostTwips = 1440;
constexpr long kMostCell = 81;
constexpr long kMostButton = 7;
constexpr long kMostStage = 32767;
constexpr const char* kCommandPrefix = "Command";
constexpr int kMenuCommands = 5;
// The game window's buttons; Command2 is not one of them.
constexpr int kGameCommands = 3;
constexpr int kGameMissingCommand = 2;

struct Bad {
    std::string reason;
};

const Command* commandOf(Kind kind) {
    for (const Command& c : kCommands)
        if (c.kind == kind) return &c;
    return nullptr;
}

bool isBlank(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

// The line's words up to a comment, split at blanks as a stream would split
// them, without a stream's cost on every line of a pack's many solutions.
std::vector<std::string> words(std::string_view line) {
    constexpr std::size_t kMostWords = 3;  // a command and its arguments
    std::vector<std::string> out;
    out.reserve(kMostWords);
    auto at = line.begin();
    while ((at = std::find_if_not(at, line.end(), isBlank)) != line.end() && *at != '#') {
        const auto end = std::find_if(at, line.end(), isBlank);
        out.emplace_back(at, end);
        at = end;
    }
    return out;
}

long number(const std::string& text, long lo, long hi, const char* what) {
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < lo || value > hi)
        throw Bad{std::string("bad ") + what + " \"" + text + "\""};
    return value;
}

bool isMenu(const std::string& word) {
    if (word == "menu") return true;
    if (word == "game") return false;
    throw Bad{"unknown form \"" + word + "\" (menu or game)"};
}

int buttonOf(const std::vector<std::string>& w, bool menu) {
    const std::string& name = w[2];
    const std::string prefix = kCommandPrefix;
    const std::string digits = name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : "";
    const int n = digits.size() == 1 && digits[0] >= '1' && digits[0] <= '9' ? digits[0] - '0' : 0;
    const bool exists = menu ? n >= 1 && n <= kMenuCommands
                             : n >= 1 && n <= kGameCommands && n != kGameMissingCommand;
    if (!exists) throw Bad{"no button \"" + name + "\" on the " + w[1] + " window"};
    return n;
}

ScriptStep stepOf(const std::vector<std::string>& w, bool first) {
    const auto* it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [&](const Command& c) { return w[0] == c.word; });
    if (it == std::end(kCommands) || (it->kind == Kind::Twips && !first))
        throw Bad{"unknown command \"" + w[0] + "\""};
    if (w.size() != it->args + 1)
        throw Bad{"\"" + w[0] + "\" takes " + std::to_string(it->args) + " argument" +
                  (it->args == 1 ? "" : "s")};
    ScriptStep s = ScriptStep::of(it->kind);
    switch (s.kind) {
        case Kind::Twips:
            s.number = number(w[1], 1, kMostTwips, "twips per pixel");
            break;
        case Kind::Wait:
            s.number = number(w[1], 0, kMostWaitMs, "time");
            break;
        case Kind::Down:
        case Kind::Up:
        case Kind::Tap:
            s.number = number(w[1], 0, kMostCell, "cell");
            s.button = static_cast<int>(number(w[2], 0, kMostButton, "button"));
            break;
        case Kind::Click:
            s.menu = isMenu(w[1]);
            s.command = buttonOf(w, s.menu);
            break;
        case Kind::Close:
            s.menu = isMenu(w[1]);
            break;
        case Kind::Save:
            s.number = number(w[1], 0, kMostStage, "stage");
            break;
        default:
            break;
    }
    return s;
}

std::string formWord(bool menu) { return menu ? "menu" : "game"; }

}  // namespace

ScriptRead readScript(std::string_view text) {
    ScriptRead read;
    read.steps.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    int lineNo = 0;
    bool first = true;
    while (!text.empty()) {
        ++lineNo;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::vector<std::string> w = words(line);
        if (w.empty()) continue;
        try {
            ScriptStep step = stepOf(w, first);
            step.line = lineNo;
            read.steps.push_back(std::move(step));
        } catch (const Bad& bad) {
            read.error = ScriptRead::Error{lineNo, bad.reason, first && w[0] == "twips"};
            return read;
        }
        first = false;
    }
    return read;
}

std::string writeScript(const std::vector<ScriptStep>& steps) {
    std::string out;
    for (const ScriptStep& s : steps) {
        if (s.kind == Kind::Note) {
            out += "# " + s.note + "\n";
            continue;
        }
        out += commandOf(s.kind)->word;
        switch (s.kind) {
            case Kind::Twips:
            case Kind::Wait:
            case Kind::Save:
                out += " " + std::to_string(s.number);
                break;
            case Kind::Down:
            case Kind::Up:
            case Kind::Tap:
                out += " " + std::to_string(s.number) + " " + std::to_string(s.button);
                break;
            case Kind::Click:
                out += " " + formWord(s.menu) + " " + kCommandPrefix + std::to_string(s.command);
                break;
            case Kind::Close:
                out += " " + formWord(s.menu);
                break;
            default:
                break;
        }
        out += "\n";
    }
    return out;
}

}  // namespace game
