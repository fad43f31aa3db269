#include "generate_args.h"

#include <charconv>
#include <optional>

#include "solver/moves.h"

namespace solvecli {

namespace {

// The whole text as a number, or nothing.
template <typename T>
std::optional<T> wholeNumber(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::string moveList() {
    std::string out;
    for (int i = 0; i < solver::moves::kCount; ++i) {
        std::string name = solver::moves::kNames[i];
        for (char& ch : name)
            if (ch == ' ') ch = '-';
        out += (i ? ", " : "") + name;
    }
    return out;
}

std::variant<unsigned, std::string> parseMoves(const std::string& text) {
    unsigned bits = 0;
    std::size_t at = 0;
    for (;;) {
        const std::size_t comma = text.find(',', at);
        const std::string name = text.substr(at, comma - at);
        const unsigned bit = solver::moveByName(name);
        if (bit == 0) return "no move called \"" + name + "\"; the moves are " + moveList();
        bits |= bit;
        if (comma == std::string::npos) return bits;
        at = comma + 1;
    }
}

// "4-8", or "5" for exactly five.
bool parseCasts(const std::string& text, solver::GenerateOptions& o) {
    const std::size_t dash = text.find('-');
    const auto lo = wholeNumber<int>(text.substr(0, dash));
    const auto hi = dash == std::string::npos ? lo : wholeNumber<int>(text.substr(dash + 1));
    if (!lo || !hi || *lo < 1 || *hi < *lo) return false;
    o.minCasts = *lo;
    o.maxCasts = *hi;
    return true;
}

}  // namespace

std::variant<solver::GenerateOptions, std::string> generateOptions(const GenerateArgs& args) {
    solver::GenerateOptions o;
    const auto seed = wholeNumber<std::uint64_t>(args.seed);
    if (!seed) return "the seed must be a whole number, not \"" + args.seed + "\"";
    o.seed = *seed;
    if (!args.require.empty()) {
        auto moves = parseMoves(args.require);
        if (auto* why = std::get_if<std::string>(&moves)) return *why;
        o.required = std::get<unsigned>(moves);
    }
    if (!args.casts.empty() && !parseCasts(args.casts, o))
        return "--casts takes MIN-MAX, such as 4-8, not \"" + args.casts + "\"";
    return o;
}

}  // namespace solvecli
