#include "game/stage_desc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/files.h"
#include "support/fixture.h"

namespace {

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string shipped(const std::string& name) {
    return bytesOf(std::filesystem::path(LUMORA_STAGES_DIR) / name);
}

std::string errorOf(const game::FileResult<game::StageDesc>& r) {
    const auto* e = std::get_if<game::FileError>(&r);
    return e != nullptr ? e->message : "(parsed)";
}

}  // namespace

// Every shipped stage and answer is written back byte for byte from its
// description, the answer's last two lines being the stage's own.
TEST(StageDesc, TheShippedFilesWriteBackByteForByte) {
    for (int n = 1; n <= game::kStageCount; ++n) {
        SCOPED_TRACE("stage " + std::to_string(n));
        const std::string stage = shipped(game::stageFileName(n));
        const std::string answer = shipped(game::answerFileName(n));
        auto parsed = game::parseStageText(game::stageFileName(n), stage);
        ASSERT_TRUE(std::holds_alternative<game::StageDesc>(parsed)) << errorOf(parsed);
        game::StageDesc& desc = std::get<game::StageDesc>(parsed);
        ASSERT_FALSE(game::parseAnswerText(game::answerFileName(n), answer, desc));
        EXPECT_EQ(game::writeStageText(desc), stage);
        EXPECT_EQ(game::writeAnswerText(desc), answer);
    }
}

// Whatever the game accepts, however it is spelt (line ends, a byte-order
// mark, strangers for letters, numbers with fractions, lines past 11), is
// written as a file that reads as the same stage.
TEST(StageDesc, AnyAcceptedFileWritesAsTheSameStage) {
    std::vector<std::pair<std::string, std::string>> inputs = {
        {"bom, CR alone", "\xEF\xBB\xBF....P\r\rSBWKO?\n\r\r\r\r\r\rKKKKKKKKKK\r 2.5 \r-32769\r"},
        {"short lines, junk after",
         testing_support::stageFile({"P", "B", "xxxxxxxxxxxxW"}, "+3", "1.49") + "line 12\r\n"},
        {"last P counts",
         testing_support::stageFile({"P.P", "", "", "", "", "", "......P.."}, "32767", "-1")},
    };
    int parsed = 0;
    for (const auto& e : std::filesystem::directory_iterator(LUMORA_FUZZ_CORPUS))
        inputs.emplace_back(e.path().filename().string(), bytesOf(e.path()));
    for (const auto& [what, text] : inputs) {
        SCOPED_TRACE(what);
        auto first = game::parseStageText("m.bkm", text);
        if (!std::holds_alternative<game::StageDesc>(first)) continue;
        ++parsed;
        game::StageDesc& desc = std::get<game::StageDesc>(first);
        ASSERT_FALSE(game::parseAnswerText("a.bkm", text, desc));
        auto again = game::parseStageText("m.bkm", game::writeStageText(desc));
        ASSERT_TRUE(std::holds_alternative<game::StageDesc>(again)) << errorOf(again);
        ASSERT_FALSE(game::parseAnswerText("a.bkm", game::writeAnswerText(desc),
                                           std::get<game::StageDesc>(again)));
        EXPECT_EQ(std::get<game::StageDesc>(again), desc);
    }
    EXPECT_GE(parsed, 5);
}

// The reader stops at kMaxStageBytes: a file that fills it with the longest
// lines still has its eleventh line judged whole.
TEST(StageDesc, TheReadLimitReachesTheEndOfTheLongestLineEleven) {
    testing_support::TempFolder dir;
    const std::string longest(game::kMaxLineBytes, 'x');
    std::string ten = "\xEF\xBB\xBF";
    for (int i = 1; i <= 10; ++i) ten += longest + "\r\n";
    dir.write("m.bkm", ten + longest + "\r\n" + std::string(1000, 'y'));
    game::MapRead read = game::readMapLines(dir.path(), "m.bkm");
    EXPECT_FALSE(read.error) << read.error->message;
    EXPECT_EQ(read.lines[11], longest);
    dir.write("m.bkm", ten + longest + "x");
    read = game::readMapLines(dir.path(), "m.bkm");
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->message, "m.bkm line 11: the line is longer than 65536 bytes");
}
