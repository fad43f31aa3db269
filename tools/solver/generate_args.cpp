#include "generate_args.h"

#include <limits>

#include "number_arg.h"
#include "solver/moves.h"

namespace solvecli {

namespace {

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
    if (!lo || !hi || *lo < 1 || *hi < *lo || *hi > solver::kMostCasts) return false;
    o.minCasts = *lo;
    o.maxCasts = *hi;
    return true;
}

}  // namespace

std::variant<solver::GenerateOptions, std::string> generateOptions(const GenerateArgs& args) {
    solver::GenerateOptions o;
    const auto seed = optionNumber<std::uint64_t>("--generate", args.seed, 0,
                                                  std::numeric_limits<std::uint64_t>::max());
    if (const auto* why = std::get_if<std::string>(&seed)) return *why;
    o.seed = std::get<std::uint64_t>(seed);
    if (!args.require.empty()) {
        auto moves = parseMoves(args.require);
        if (auto* why = std::get_if<std::string>(&moves)) return *why;
        o.required = std::get<unsigned>(moves);
    }
    if (!args.casts.empty() && !parseCasts(args.casts, o))
        return "--casts takes MIN-MAX from 1 to " + std::to_string(solver::kMostCasts) +
               ", such as 4-8, not \"" + args.casts + "\"";
    return o;
}

}  // namespace solvecli
