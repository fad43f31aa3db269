// lumora-bench-stages: writes one level of the drawn-stage benchmark, half
// random stages and half stages made solvable by playing casts forward.
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <variant>

#include "bench/drawn/drawn_stages.h"
#include "game/durable_file.h"
#include "game/stage_desc.h"
#include "number_arg.h"

namespace {

// The random half is the larger one; its indices must fit the names.
constexpr int kMostCount = 2 * drawn::kMostIndex + 1;

struct Args {
    std::uint64_t seed = 1;
    int open = 70;
    int count = 200;
    std::string out;
};

void usage() {
    std::cerr << "usage: lumora-bench-stages --seed S --open PERCENT --count N --out DIR\n"
                 "Writes N stages into the folder DIR (which must exist): every cell above the\n"
                 "bottom row open with the chance PERCENT; the first half drawn at random, the\n"
                 "second made solvable with their budget by playing casts forward, each of these\n"
                 "cleared in the game by those casts before it is written. The same seed writes\n"
                 "the same files.\n";
}

enum class Option { Seed, Open, Count, Out };
struct OptionName {
    const char* name;
    Option option;
};
constexpr OptionName kOptions[] = {{"--seed", Option::Seed},
                                   {"--open", Option::Open},
                                   {"--count", Option::Count},
                                   {"--out", Option::Out}};

// The option's value into `args`, or why it cannot be.
std::optional<std::string> take(Args& args, Option option, const std::string& name,
                                const std::string& text) {
    auto number = [&](auto& into, auto lo, auto hi) -> std::optional<std::string> {
        auto v = solvecli::optionNumber(name, text, lo, hi);
        if (auto* e = std::get_if<std::string>(&v)) return *e;
        into = std::get<0>(v);
        return std::nullopt;
    };
    switch (option) {
        case Option::Seed:
            return number(args.seed, std::uint64_t{0}, UINT64_MAX);
        case Option::Open:
            return number(args.open, drawn::kLeastOpen, drawn::kMostOpen);
        case Option::Count:
            return number(args.count, 1, kMostCount);
        case Option::Out:
            args.out = text;
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Args> parse(int argc, char** argv) {
    Args args;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        const OptionName* found = nullptr;
        for (const OptionName& o : kOptions)
            if (name == o.name) found = &o;
        if (found == nullptr || i + 1 >= argc) return std::nullopt;
        if (auto error = take(args, found->option, name, argv[i + 1])) {
            std::cerr << "lumora-bench-stages: " << *error << "\n";
            return std::nullopt;
        }
    }
    if (args.out.empty()) return std::nullopt;
    return args;
}

// The stage of that kind and index, a solvable one cleared in the game by the
// casts that made it; none when it cannot be made or the game does not clear it.
std::optional<game::StageDesc> makeStage(const Args& args, drawn::StageKind kind, int index,
                                         const std::string& name) {
    if (kind == drawn::StageKind::Random)
        return drawn::drawnStage(args.seed, args.open, kind, index);
    const auto made = drawn::madeSolvable(args.seed, args.open, index);
    if (!made) {
        std::cerr << "lumora-bench-stages: no board played to a goal for " << name << "\n";
        return std::nullopt;
    }
    if (const auto failed = drawn::checkInGame(*made)) {
        std::cerr << "lumora-bench-stages: the game does not clear " << name
                  << " by the casts that made it: " << *failed << "\n";
        return std::nullopt;
    }
    return made->desc;
}

bool writeStage(const Args& args, drawn::StageKind kind, int index) {
    const std::string name = drawn::drawnStageName(args.open, kind, index);
    const auto desc = makeStage(args, kind, index, name);
    if (!desc) return false;
    const auto failed =
        game::writeFileDurably(name, args.out + "/" + name, game::writeStageText(*desc));
    if (!failed) return true;
    std::cerr << "lumora-bench-stages: " << failed->message << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const auto args = parse(argc, argv);
    if (!args) {
        usage();
        return 2;
    }
    const int randoms = (args->count + 1) / 2;
    for (int i = 0; i < args->count; ++i) {
        const bool random = i < randoms;
        if (!writeStage(*args, random ? drawn::StageKind::Random : drawn::StageKind::Solvable,
                        random ? i : i - randoms))
            return 1;
    }
    std::cout << "open " << args->open << " %: " << randoms << " random and "
              << args->count - randoms
              << " solvable stages, each cleared in the game by the casts that made it, in "
              << args->out << "\n";
    return 0;
}
