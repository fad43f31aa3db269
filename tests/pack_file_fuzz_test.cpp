// Broken pack files by the thousand: every mutant of a good file must give a
// pack that reads back as itself or an error naming the file and a line, and
// opening one from the disk must change nothing there. It runs in the suite,
// so the sanitizers' build fuzzes the reader on every CI run; the libFuzzer
// target in fuzz/ goes further by hand.

#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "game/pack_file.h"
#include "support/fixture.h"

namespace {

#ifdef LUMORA_SANITIZED
constexpr int kMutants = 1500;
#else
constexpr int kMutants = 8000;
#endif

game::PackContents firstStages(int count) {
    auto opened = game::openAnyPack(LUMORA_STAGES_DIR);
    auto contents = std::get<game::PackContents>(opened);
    contents.pack.stages.resize(static_cast<std::size_t>(count));
    contents.solutions.resize(static_cast<std::size_t>(count));
    contents.pack.info.stageCount = count;
    return contents;
}

// One of the ways a file goes bad on its way: a byte changed, a piece cut out
// or doubled, bytes a file should not hold put in, the end cut off.
std::string mutate(std::string text, std::mt19937& random) {
    auto pick = [&](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    static const std::string strange[] = {
        std::string(1, '\0'), "\r", "\n", "[", "]", "=", "\xFF", "P", "O", "9", "-1",
        "\n[Stage 1]\n"};
    const std::size_t at = pick(text.size() + 1);
    switch (pick(6)) {
        case 0:
            if (at < text.size()) text[at] = static_cast<char>(pick(256));
            break;
        case 1:
            text.erase(at, pick(40));
            break;
        case 2:
            text.insert(at, text.substr(pick(text.size()), pick(200)));
            break;
        case 3:
            text.insert(at, strange[pick(std::size(strange))]);
            break;
        case 4:
            text.resize(at);
            break;
        default:
            text.insert(at, std::string(pick(3) * 40000, 'x'));
            break;
    }
    return text;
}

}  // namespace

TEST(PackFileFuzz, EveryMutantIsAPackOrAnErrorAtALine) {
    const std::string seeds[] = {game::writePackFileText(firstStages(3)),
                                 game::writePackFileText(firstStages(28))};
    const std::regex told(R"(^p\.lumora( line [0-9]+)?: .+)");
    std::mt19937 random(20261208);
    int packs = 0;
    for (int i = 0; i < kMutants; ++i) {
        std::string text = seeds[i % 2];
        for (int times = 1 + i % 3; times > 0; --times) text = mutate(std::move(text), random);
        auto read = game::parsePackFile("p.lumora", text);
        if (const auto* e = std::get_if<game::FileError>(&read)) {
            ASSERT_TRUE(std::regex_match(e->message.substr(0, 200), told)) << e->message;
            continue;
        }
        ++packs;
        const auto& contents = std::get<game::PackContents>(read);
        ASSERT_EQ(contents.pack.stages.size(),
                  static_cast<std::size_t>(contents.pack.info.stageCount));
        ASSERT_EQ(contents.solutions.size(), contents.pack.stages.size());
        // What a reader takes must be what a writer can give back; a pack
        // the writer refuses (a name with a stray CR) is no pack to play.
        const std::string again = game::writePackFileText(contents);
        auto reread = game::parsePackFile("p.lumora", again);
        ASSERT_TRUE(std::holds_alternative<game::PackContents>(reread)) << again;
        ASSERT_EQ(std::get<game::PackContents>(reread).pack.stages, contents.pack.stages);
    }
    // Most mutants break the file, but not all: both ways are taken.
    EXPECT_GT(packs, 0);
    EXPECT_LT(packs, kMutants);
}

// A file that does not open leaves the disk as it was: nothing is made for it.
TEST(PackFileFuzz, OpeningABrokenFileWritesNothing) {
    testing_support::TempFolder f;
    std::mt19937 random(7);
    const std::string seed = game::writePackFileText(firstStages(2));
    for (int i = 0; i < 200; ++i) {
        f.write("p.lumora", mutate(seed, random));
        (void)game::openAnyPack(f.path() + "/p.lumora");
        ASSERT_EQ(f.files(), std::vector<std::string>{"p.lumora"});
    }
}
