#include "game/pack_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "game/files.h"
#include "game/overlay_files.h"
#include "support/fixture.h"

using testing_support::TempFolder;

namespace {

game::PackContents gameStages() {
    auto opened = game::openAnyPack(LUMORA_STAGES_DIR);
    EXPECT_TRUE(std::holds_alternative<game::PackContents>(opened));
    return std::get<game::PackContents>(opened);
}

template <class T>
std::string errorOf(const game::FileResult<T>& r) {
    const auto* e = std::get_if<game::FileError>(&r);
    return e != nullptr ? e->message : "(none)";
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Replaces the first `from` in `text` with `to`.
std::string edited(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A two-stage pack text small enough to read in a failing test's output.
std::string twoStages() {
    game::PackContents contents = gameStages();
    contents.pack.stages.resize(2);
    contents.solutions.resize(2);
    contents.solutions[1].clear();
    contents.pack.info = {"Two", "Me", "CC0", 2};
    return game::writePackFileText(contents);
}

}  // namespace

// The file carries everything a folder does, and folders come back byte for
// byte: the game's stages and their solutions through a file and back.
TEST(PackFile, TheGameStagesGoThroughAFileAndBackUnchanged) {
    const game::PackContents stages = gameStages();
    ASSERT_EQ(stages.pack.info.stageCount, game::kStageCount);
    const std::string text = game::writePackFileText(stages);
    auto read = game::parsePackFile("lumora.lumora", text);
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(read)) << errorOf(read);
    const auto& back = std::get<game::PackContents>(read);
    EXPECT_EQ(back.pack.info, stages.pack.info);
    EXPECT_EQ(back.pack.stages, stages.pack.stages);
    EXPECT_EQ(back.solutions, stages.solutions);
    EXPECT_EQ(game::writePackFileText(back), text);

    TempFolder f;
    const std::string file = f.path() + "/lumora.lumora", folder = f.path() + "/back";
    ASSERT_FALSE(game::writePackFile(file, stages));
    auto reread = game::openAnyPack(file);
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(reread)) << errorOf(reread);
    ASSERT_FALSE(game::writePackFolder(folder, std::get<game::PackContents>(reread)));
    for (int n = 1; n <= game::kStageCount; ++n)
        for (const std::string& name :
             {game::stageFileName(n), game::answerFileName(n), game::solutionFileName(n)})
            EXPECT_EQ(fileBytes(std::filesystem::path(folder) / name),
                      fileBytes(std::filesystem::path(LUMORA_STAGES_DIR) / name))
                << name;
}

// Each way a file can be wrong is told with the line it is on, the pack file's
// own line even where the fault is inside a stage, answer or solution.
TEST(PackFile, AFileThatIsNoPackIsToldByItsLine) {
    const std::string good = twoStages();
    struct Case {
        const char* what;
        std::string text;
        std::string message;
    };
    std::string hundred = edited(good, "Stages=2", "Stages=100");
    const Case cases[] = {
        {"an empty file", "", "p.lumora line 1: a pack file starts with the line Lumora pack 1"},
        {"a wrong first line", edited(good, "Lumora pack 1", "Lumora pack 2"),
         "p.lumora line 1: a pack file starts with the line Lumora pack 1"},
        {"no [Pack]", edited(good, "[Pack]", "[Pak]"),
         "p.lumora line 2: \"[Pak]\" is here where [Pack] should be"},
        {"100 stages", hundred,
         "p.lumora line 6: Stages \"100\" is not a whole number from 1 to 99"},
        {"no Stages", edited(good, "Stages=2\n", ""),
         "p.lumora line 2: the [Pack] section has no Stages setting"},
        {"a stage of 8 lines", edited(good, "K........\nK........\nK........\n", ""),
         "p.lumora line 8: [Stage 1] holds 8 lines; it needs 11"},
        {"a stage of 12 lines", edited(good, "[Stage 1]\n", "[Stage 1]\nK........\n"),
         "p.lumora line 8: [Stage 1] holds 12 lines; it needs 11"},
        {"an answer of 10 lines", edited(good, "[Answer 1]\n", "[Answer 1]\n.........\n"),
         "p.lumora line 20: [Answer 1] holds 10 lines; it needs 9"},
        {"a bad budget", edited(good, "1\n2\n[Answer 1]", "1\nx\n[Answer 1]"),
         "p.lumora line 19: \"x\" is not a number"},
        {"no start", edited(good, "K..P.....", "K........"),
         "p.lumora line 8: the board has no start cell \"P\""},
        {"stages out of order", edited(good, "[Stage 2]", "[Stage 3]"),
         "p.lumora line 37: \"[Stage 3]\" is here where [Stage 2] should be"},
        {"a solution that is no script", edited(good, "tap 58 2", "frob 58 2"),
         "p.lumora line 34: "},
        {"the file cut short", good.substr(0, good.find("[Answer 2]")),
         "p.lumora line 48: the file ends where [Answer 2] should be"},
        {"a stage past the count", good + "\n[Stage 3]\n",
         "p.lumora line 60: \"[Stage 3]\" follows the last stage"},
        {"a NUL byte", edited(good, "Stages=2", std::string("Stages=2\0", 9)),
         "p.lumora line 6: Stages \"2\\x00\" is not a whole number"},
        {"a lone CR in a board line", edited(good, "K..P.....", "K..P\r....."),
         "p.lumora line 18: \"KKKKKKKKK\" is not a whole number"},
        {"a line of 10 MB", edited(good, "Author=Me", "Author=" + std::string(10 << 20, 'a')),
         "p.lumora line 4: the line is longer than 65536 bytes"},
    };
    for (const Case& c : cases) {
        const std::string message = errorOf(game::parsePackFile("p.lumora", c.text));
        EXPECT_EQ(message.substr(0, c.message.size()), c.message) << c.what << ": " << message;
    }
}

TEST(PackFile, WhatReadsIsWhatWasWrittenWhateverTheLineEnds) {
    const std::string good = twoStages();
    std::string crlf;
    for (char ch : good) (ch == '\n' ? crlf += "\r\n" : crlf += ch);
    for (const std::string& text : {good, crlf, "\xEF\xBB\xBF" + good, good + "\n\n"}) {
        auto read = game::parsePackFile("p.lumora", text);
        ASSERT_TRUE(std::holds_alternative<game::PackContents>(read)) << errorOf(read);
        EXPECT_EQ(game::writePackFileText(std::get<game::PackContents>(read)), good);
    }
}

// A file longer than any pack is refused unread, and a pack that would not
// read back is refused before anything is written.
TEST(PackFile, WhatCannotBeAPackIsRefusedAndNothingWritten) {
    TempFolder f;
    f.write("big.lumora", std::string(game::kMaxPackFileBytes + 1, 'x'));
    EXPECT_EQ(errorOf(game::readPackFile(f.path() + "/big.lumora")),
              "big.lumora: the file is longer than 8388608 bytes");

    game::PackContents contents = gameStages();
    struct Case {
        const char* what;
        std::function<void(game::PackContents&)> spoil;
    };
    const Case cases[] = {
        {"a name with a line break", [](auto& c) { c.pack.info.name = "a\nb"; }},
        {"a solution that is no script", [](auto& c) { c.solutions[3] = "jump\n"; }},
        {"a solution with a section line", [](auto& c) { c.solutions[3] += "[Stage 5]\n"; }},
        {"a count out of step", [](auto& c) { c.pack.info.stageCount = 27; }},
        {"a solution past the last stage", [](auto& c) { c.solutions.push_back(c.solutions[0]); }},
    };
    for (const Case& c : cases) {
        game::PackContents spoilt = contents;
        c.spoil(spoilt);
        EXPECT_TRUE(game::writePackFile(f.path() + "/p.lumora", spoilt)) << c.what;
        EXPECT_TRUE(game::writePackFolder(f.path() + "/p", spoilt)) << c.what;
        EXPECT_EQ(f.files(), std::vector<std::string>{"big.lumora"}) << c.what;
    }
}

// The game plays a pack file from memory while its save goes to the disk.
TEST(PackFile, TheOverlayAnswersItsFolderFromMemoryAndTheRestFromBelow) {
    TempFolder f;
    game::OverlayFiles overlay("/lumora-pack", game::fileIo());
    const game::ScopedFileIo on(overlay);
    game::PackContents contents = gameStages();
    game::putPackFiles(overlay.memory(), contents.pack);
    const auto count = game::folderStageCount("/lumora-pack");
    ASSERT_TRUE(std::holds_alternative<int>(count)) << errorOf(count);
    EXPECT_EQ(std::get<int>(count), game::kStageCount);
    auto opened = game::openAnyPack("/lumora-pack");
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(opened)) << errorOf(opened);
    EXPECT_EQ(std::get<game::PackContents>(opened).pack.stages, contents.pack.stages);
    ASSERT_FALSE(game::writeSaveFile(f.path(), 4));
    EXPECT_EQ(f.read(game::kSaveFileName), "4\r\n");
    EXPECT_FALSE(overlay.memory().get(game::kSaveFileName));
    EXPECT_EQ(overlay.rename("/lumora-pack/pack.ini", f.path() + "/pack.ini"), -EXDEV);
}

// The game plays stages, never a carried solution: one that is no script
// keeps the game from nothing, while a reader that plays solutions refuses it.
TEST(PackFile, OnlyAReaderThatPlaysSolutionsChecksThem) {
    const std::string text = edited(twoStages(), "tap 58 2", "frob 58 2");
    EXPECT_EQ(errorOf(game::parsePackFile("p.lumora", text)).substr(0, 17), "p.lumora line 34:");
    auto unread = game::parsePackFile("p.lumora", text, game::Solutions::Unread);
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(unread)) << errorOf(unread);
    EXPECT_NE(std::get<game::PackContents>(unread).solutions[0].find("frob 58 2\n"),
              std::string::npos);
    auto folder = game::openAnyPack(LUMORA_STAGES_DIR, game::Solutions::Unread);
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(folder)) << errorOf(folder);
    EXPECT_EQ(std::get<game::PackContents>(folder).solutions,
              std::vector<std::string>(game::kStageCount));
}

// The solutions folder is the pack's own: saved over again and again, each
// save takes the old one away with the old pack and leaves nothing hidden.
TEST(PackFile, AFolderWithSolutionsIsSavedOverAgainAndAgain) {
    TempFolder f;
    const std::string folder = f.path() + "/pack";
    game::PackContents contents = gameStages();
    for (int round = 1; round <= 3; ++round) {
        contents.pack.info.name = "Round " + std::to_string(round);
        ASSERT_FALSE(game::writePackFolder(folder, contents)) << round;
    }
    EXPECT_EQ(f.files(), std::vector<std::string>{"pack"});
    auto back = game::openAnyPack(folder);
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(back)) << errorOf(back);
    EXPECT_EQ(std::get<game::PackContents>(back).pack.info.name, "Round 3");
    EXPECT_EQ(std::get<game::PackContents>(back).solutions, contents.solutions);
}

// A solution that is a link to nowhere is a fault of the pack, not a stage
// without a solution; a pack file as long as a pack can be is still read.
TEST(PackFile, ALinkToNowhereOrAFileAtTheLimitIsToldAsItIs) {
    TempFolder f;
    const std::string folder = f.path() + "/pack";
    ASSERT_FALSE(game::writePackFolder(folder, gameStages()));
    const auto link = std::filesystem::path(folder) / game::solutionFileName(2);
    std::filesystem::remove(link);
    std::filesystem::create_symlink("nowhere.replay", link);
    EXPECT_NE(errorOf(game::openAnyPack(folder)).find("stage2.replay"), std::string::npos)
        << errorOf(game::openAnyPack(folder));

    f.write("full.lumora", std::string(game::kMaxPackFileBytes, 'x'));
    EXPECT_EQ(errorOf(game::readPackFile(f.path() + "/full.lumora")).substr(0, 19),
              "full.lumora line 1:");
}

// A solution is kept as the file writes it, in a folder as in a file: LF line
// ends and no blank lines at its end, so one of nothing but blank lines is none.
TEST(PackFile, ASolutionKeepsNoBlankLinesAtItsEnd) {
    const struct {
        const char* given;
        const char* kept;
    } cases[] = {{"click menu Command2\n\n\n", "click menu Command2\n"},
                 {"click menu Command2\r\nshow\r\n\r\n", "click menu Command2\nshow\n"},
                 {"\n", ""},
                 {"\n\n\n", ""}};
    TempFolder f;
    for (const auto& c : cases) {
        game::PackContents contents = gameStages();
        contents.pack.stages.resize(2);
        contents.solutions = {c.given, ""};
        contents.pack.info.stageCount = 2;
        const std::string folder = f.path() + "/pack", file = f.path() + "/p.lumora";
        ASSERT_FALSE(game::writePackFolder(folder, contents)) << c.given;
        ASSERT_FALSE(game::writePackFile(file, contents)) << c.given;
        for (const std::string& path : {folder, file}) {
            auto back = game::openAnyPack(path);
            ASSERT_TRUE(std::holds_alternative<game::PackContents>(back)) << errorOf(back);
            EXPECT_EQ(std::get<game::PackContents>(back).solutions,
                      (std::vector<std::string>{c.kept, ""}))
                << path << " from " << c.given;
        }
    }
}
