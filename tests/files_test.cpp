#include "game/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "game/number_text.h"
#include "support/fixture.h"

using game::FileError;
using game::MapLines;
using testing_support::TempFolder;

namespace {

std::string errorOf(const game::FileResult<MapLines>& r) {
    const auto* e = std::get_if<FileError>(&r);
    return e == nullptr ? "(no error)" : e->message;
}

std::string errorOf(const game::FileResult<std::int32_t>& r) {
    const auto* e = std::get_if<FileError>(&r);
    return e == nullptr ? "(no error)" : e->message;
}

// Eleven lines "1" .. "11" joined by `end`, then `tail`.
std::string elevenLines(const std::string& end, const std::string& tail = "") {
    std::string s;
    for (int i = 1; i <= 11; ++i) s += std::to_string(i) + (i < 11 ? end : "");
    return s + tail;
}

TEST(FileNames, StageAnswerAndFolder) {
    EXPECT_EQ(game::stageFileName(3), "mmap3.bkm");
    EXPECT_EQ(game::answerFileName(3), "amap3.bkm");
    EXPECT_EQ(game::stageFileName(28), "mmap28.bkm");
    EXPECT_EQ(game::answerFileName(28), "amap28.bkm");
    EXPECT_EQ(game::folderText("/games/puzzle"), "/games/puzzle/");
    EXPECT_EQ(game::folderText("/games/puzzle/"), "/games/puzzle/");
    EXPECT_EQ(game::folderText("/"), "/");
    // An unknown folder must not become the root of the file system.
    EXPECT_EQ(game::folderText(""), "./");
}

TEST(MapFile, LineEnds) {
    TempFolder dir;
    const std::vector<std::string> numbers = {"",  "1", "2", "3", "4",  "5",
                                              "6", "7", "8", "9", "10", "11"};
    // CR LF, CR alone, a mix, and a last line with no end at all.
    for (const std::string& bytes :
         {elevenLines("\r\n", "\r\n"), elevenLines("\r"), elevenLines("\r\n"),
          std::string("1\r2\r\n3\r4\r\n5\r6\r\n7\r8\r\n9\r10\r\n11\r")}) {
        dir.write("m.bkm", bytes);
        auto r = game::readMapFile(dir.path(), "m.bkm");
        ASSERT_TRUE(std::holds_alternative<MapLines>(r)) << errorOf(r);
        const MapLines& lines = std::get<MapLines>(r);
        for (int i = 0; i <= 11; ++i) EXPECT_EQ(lines[i], numbers[i]) << "line " << i;
    }

    // A line feed on its own is part of the line, not its end.
    dir.write("m.bkm", "a\nb\r\n" + elevenLines("\r\n").substr(3));
    auto r = game::readMapFile(dir.path(), "m.bkm");
    ASSERT_TRUE(std::holds_alternative<MapLines>(r)) << errorOf(r);
    EXPECT_EQ(std::get<MapLines>(r)[1], "a\nb");
    EXPECT_EQ(std::get<MapLines>(r)[2], "2");

    // Empty and short lines stay as they are; a blank line is still a line.
    dir.write("m.bkm", "\r\n\r\nabc\r\n\r\n\r\n\r\n\r\n\r\n\r\n5\r\n31");
    r = game::readMapFile(dir.path(), "m.bkm");
    ASSERT_TRUE(std::holds_alternative<MapLines>(r)) << errorOf(r);
    EXPECT_EQ(std::get<MapLines>(r)[1], "");
    EXPECT_EQ(std::get<MapLines>(r)[3], "abc");
    EXPECT_EQ(std::get<MapLines>(r)[10], "5");
    EXPECT_EQ(std::get<MapLines>(r)[11], "31");
}

TEST(MapFile, NothingPastLineElevenIsRead) {
    TempFolder dir;
    // Line 12 on is ignored however long or strange it is.
    const std::string junk(3 * game::kMaxLineBytes, '\n');
    dir.write("m.bkm", elevenLines("\r\n", "\r\nline 12\r\n" + junk + std::string(1, '\0')));
    auto r = game::readMapFile(dir.path(), "m.bkm");
    ASSERT_TRUE(std::holds_alternative<MapLines>(r)) << errorOf(r);
    EXPECT_EQ(std::get<MapLines>(r)[11], "11");

    // A line of exactly the limit is fine; one byte more is an error naming it.
    std::string longest(game::kMaxLineBytes, 'x');
    dir.write("m.bkm", "1\r\n2\r\n" + longest + "\r\n" + elevenLines("\r\n").substr(9));
    r = game::readMapFile(dir.path(), "m.bkm");
    ASSERT_TRUE(std::holds_alternative<MapLines>(r)) << errorOf(r);
    EXPECT_EQ(std::get<MapLines>(r)[3].size(), game::kMaxLineBytes);

    dir.write("m.bkm", "1\r\n2\r\n" + longest + "x\r\n" + elevenLines("\r\n").substr(9));
    EXPECT_EQ(errorOf(game::readMapFile(dir.path(), "m.bkm")),
              "m.bkm line 3: the line is longer than 65536 bytes");
    // The same on the last line, with no line end to stop at.
    dir.write("m.bkm", elevenLines("\r\n") + longest);
    EXPECT_EQ(errorOf(game::readMapFile(dir.path(), "m.bkm")),
              "m.bkm line 11: the line is longer than 65536 bytes");
}

TEST(MapFile, MissingAndShortFiles) {
    TempFolder dir;
    EXPECT_EQ(errorOf(game::readMapFile(dir.path(), "mmap3.bkm")),
              "mmap3.bkm: cannot open " + dir.path() + "/mmap3.bkm (No such file or directory)");

    dir.write("mmap3.bkm", "");
    EXPECT_EQ(errorOf(game::readMapFile(dir.path(), "mmap3.bkm")),
              "mmap3.bkm: the file has 0 lines, it needs 11 (lines must end with CR LF)");
    // Line feeds alone make one long line.
    dir.write("mmap3.bkm", elevenLines("\n", "\n"));
    EXPECT_EQ(errorOf(game::readMapFile(dir.path(), "mmap3.bkm")),
              "mmap3.bkm: the file has 1 line, it needs 11 (lines must end with CR LF)");
    // Ten lines, the tenth with its line end: the end of the file comes where
    // line 11 should start.
    dir.write("mmap3.bkm", elevenLines("\r\n").substr(0, 31));
    ASSERT_EQ(dir.read("mmap3.bkm").substr(27), "10\r\n");
    EXPECT_EQ(errorOf(game::readMapFile(dir.path(), "mmap3.bkm")),
              "mmap3.bkm: the file has 10 lines, it needs 11");

    // The partial read keeps what came before the problem.
    game::MapRead read = game::readMapLines(dir.path(), "mmap3.bkm");
    EXPECT_EQ(read.count, 10);
    EXPECT_EQ(read.lines[10], "10");
    ASSERT_TRUE(read.error);
}

TEST(SaveFile, WriteThenRead) {
    TempFolder dir;
    EXPECT_FALSE(game::writeSaveFile(dir.path(), 3));
    EXPECT_EQ(dir.read("save.bkm"), "3\r\n");
    EXPECT_EQ(game::readSaveBytes(dir.path()).value_or("?"), "3\r\n");
    EXPECT_EQ(std::get<std::int32_t>(game::readSaveFile(dir.path())), 3);
    // Replacing leaves exactly the new bytes and no file beside it.
    EXPECT_FALSE(game::writeSaveFile(dir.path(), 28));
    EXPECT_EQ(dir.read("save.bkm"), "28\r\n");
    EXPECT_EQ(dir.files(), std::vector<std::string>{"save.bkm"});
}

TEST(SaveFile, FieldRules) {
    TempFolder dir;
    const std::vector<std::pair<std::string, std::int32_t>> good = {
        {"3", 3},         {"3\r\n", 3},      {"  3", 3},  {" \t3 \r\n", 3},
        {"3,9\r\n", 3},   {"12\r7\r\n", 12}, {"0003", 3}, {"0000000000003", 3},
        {"32767", 32767}, {"0", 0},          {"3\n", 3},  {"3 \n\n", 3},
    };
    for (const auto& [bytes, stage] : good) {
        dir.write("save.bkm", bytes);
        auto r = game::readSaveFile(dir.path());
        ASSERT_TRUE(std::holds_alternative<std::int32_t>(r)) << bytes << ": " << errorOf(r);
        EXPECT_EQ(std::get<std::int32_t>(r), stage) << bytes;
    }
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"", "save.bkm: the file holds no stage number"},
        {"  \r\n3", "save.bkm: the file holds no stage number"},
        {",3", "save.bkm: the file holds no stage number"},
        {"abc\r\n", "save.bkm: \"abc\" is not a stage number"},
        {"-1", "save.bkm: \"-1\" is not a stage number"},
        {"3.5", "save.bkm: \"3.5\" is not a stage number"},
        {"32768", "save.bkm: \"32768\" is not a stage number"},
        {"3\n4", "save.bkm: \"3\\x0A4\" is not a stage number"},
        {std::string(game::kMaxLineBytes + 1, '7'),
         "save.bkm: the first field is longer than 65536 bytes"},
    };
    for (const auto& [bytes, message] : bad) {
        dir.write("save.bkm", bytes);
        EXPECT_EQ(errorOf(game::readSaveFile(dir.path())), message) << bytes.substr(0, 20);
        EXPECT_EQ(dir.read("save.bkm"), bytes);
    }
    dir.remove("save.bkm");
    EXPECT_EQ(errorOf(game::readSaveFile(dir.path())),
              "save.bkm: cannot open " + dir.path() + "/save.bkm (No such file or directory)");
    EXPECT_FALSE(game::readSaveBytes(dir.path()));
    EXPECT_TRUE(dir.files().empty());
}

TEST(SaveFile, AFailedWriteLeavesEverythingAsItWas) {
    TempFolder dir;
    // A folder that is not there: nothing is created anywhere.
    const std::string gone = dir.path() + "/gone";
    auto e = game::writeSaveFile(gone, 4);
    ASSERT_TRUE(e);
    // The player is told of the file they know, never of the one written beside it.
    EXPECT_EQ(e->message,
              "save.bkm: cannot write " + gone + "/save.bkm (No such file or directory)")
        << e->message;
    EXPECT_TRUE(dir.files().empty());

    // A save "file" that cannot be replaced keeps what it holds, and nothing
    // is written beside it.
    std::filesystem::create_directory(dir.path() + "/save.bkm");
    dir.write("save.bkm/keep", "7\r\n");
    e = game::writeSaveFile(dir.path(), 4);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->message, "save.bkm: " + dir.path() + "/save.bkm is a folder, not a file");
    EXPECT_EQ(dir.files(), std::vector<std::string>{"save.bkm"});
    EXPECT_EQ(dir.read("save.bkm/keep"), "7\r\n");
}

TEST(NumberText, RoundsExactlyHalfToEven) {
    struct Case {
        const char* text;
        int offset;
        int expected;
    };
    const Case cases[] = {
        {"5", 0, 5},
        {" 5 ", 0, 5},
        {"\t+5\t", 0, 5},
        {"-5", 0, -5},
        {"2.5", 0, 2},
        {"3.5", 0, 4},
        {"-2.5", 0, -2},
        {"-3.5", 0, -4},
        {"2.5000001", 0, 3},
        {"2.4999999", 0, 2},
        {"-2.5000001", 0, -3},
        {"-2.4", 0, -2},
        {".5", 0, 0},
        {"1.", 0, 1},
        {"-0", 0, 0},
        {"-0.5", 0, 0},
        {"31", 1, 32},
        {"2.5", 1, 4},
        {"1.5", 1, 2},
        {"-1", 1, 0},
        {"32767", 0, 32767},
        {"-32768", 0, -32768},
        {"32766", 1, 32767},
        {"-32769", 1, -32768},
        {"32767.5", -1, 32766},
        {"-32768.5", 0, -32768},
        {"0000000000000000000000007", 0, 7},
        {"7.000000000000000000000000000000000000001", 0, 7},
    };
    for (const Case& c : cases) {
        auto r = game::roundToInt16(c.text, c.offset);
        ASSERT_TRUE(std::holds_alternative<std::int16_t>(r)) << '"' << c.text << '"';
        EXPECT_EQ(std::get<std::int16_t>(r), c.expected) << '"' << c.text << "\" + " << c.offset;
    }
}

TEST(NumberText, RejectsWhatIsNotADecimalNumber) {
    using game::NumberError;
    const std::pair<const char*, NumberError> cases[] = {
        {"", NumberError::NotANumber},
        {"   ", NumberError::NotANumber},
        {".", NumberError::NotANumber},
        {"+", NumberError::NotANumber},
        {"abc", NumberError::NotANumber},
        {"1 2", NumberError::NotANumber},
        {"1e3", NumberError::NotANumber},
        {"0x10", NumberError::NotANumber},
        {"1.2.3", NumberError::NotANumber},
        {"--1", NumberError::NotANumber},
        {"- 1", NumberError::NotANumber},
        {"1,5", NumberError::NotANumber},
        {"32768", NumberError::OutOfRange},
        {"-32769", NumberError::OutOfRange},
        {"32767.5", NumberError::OutOfRange},
        {"-32768.6", NumberError::OutOfRange},
        {"99999999999999999999999", NumberError::OutOfRange},
    };
    for (const auto& [text, error] : cases) {
        auto r = game::roundToInt16(text);
        ASSERT_TRUE(std::holds_alternative<NumberError>(r)) << '"' << text << '"';
        EXPECT_EQ(std::get<NumberError>(r), error) << '"' << text << '"';
    }
    // The offset counts towards the range.
    EXPECT_EQ(std::get<NumberError>(game::roundToInt16("32767", 1)), NumberError::OutOfRange);
}

}  // namespace
