// A stage passed on as text: what Copy Stage writes, Paste Stage reads back,
// through whatever a chat or an e-mail does to it, and what is no stage is
// told at its line.
#include "workshop/core/stage_paste.h"

#include <gtest/gtest.h>

#include "support/fixture.h"

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

game::StageDesc sample() {
    return std::get<game::StageDesc>(game::parseStageText(
        "sample", testing_support::stageFile(testing_support::oneBlockStage(), "1", "12")));
}

}  // namespace

TEST(StagePaste, CopiedTextHasPlainLineEndsAndPastesBackAsTheStage) {
    const std::string copied = workshop::copiedStageText(sample());
    EXPECT_EQ(copied.find('\r'), std::string::npos);
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 11);
    auto back = workshop::parsePastedStage("clipboard", copied);
    ASSERT_TRUE(std::holds_alternative<game::StageDesc>(back));
    EXPECT_EQ(std::get<game::StageDesc>(back), sample());
}

TEST(StagePaste, TextsTakenAndRefused) {
    const std::string lf = workshop::copiedStageText(sample());
    const std::string crlf = replaced(lf, "\n", "\r\n");
    struct Case {
        const char* name;
        std::string text;
        const char* told;  // empty: taken as the sample
    };
    const Case cases[] = {
        {"LF line ends", lf, ""},
        {"CR LF line ends", crlf, ""},
        {"a byte-order mark", "\xEF\xBB\xBF" + lf, ""},
        {"blank lines around", "\n\r\n  \n" + lf + "\n\n", ""},
        {"blanks around each line", "  " + replaced(lf, "\n", " \t\n   "), ""},
        {"a pack file's heading", "[Stage 7]\n" + lf, ""},
        {"a heading, then a blank line", "\n[Stage 7]\n\n" + crlf, ""},
        {"the answer after it", "[Stage 2]\n" + lf + "[Answer 2]\n" + lf, ""},
        {"nothing", "", "clipboard: the text has 0 lines, a stage has 11"},
        {"only blanks", " \n\t\n", "clipboard: the text has 0 lines"},
        {"one line of chat", "Try this one!", "clipboard: the text has 1 line, a stage has 11"},
        {"another section", "[Answer 2]\n" + lf, "clipboard line 10: \"KKKKKKKKK\""},
        {"no start", "\n[Stage 1]\n" + replaced(lf, "....P....", "........."),
         "clipboard: the board has no start"},
        // Line 11 of the stage, line 13 of the text: the maker looks at the text.
        {"a magic that is no number", "\n[Stage 1]\n" + replaced(lf, "\n12\n", "\ntwelve\n"),
         "clipboard line 13: \"twelve\""},
        {"a target that is no number", replaced(lf, "\n1\n", "\nmany\n"),
         "clipboard line 10: \"many\""},
        {"cut short", lf.substr(0, lf.size() - 3), "clipboard: the text has 10 lines"},
        {"the magic's line past the heading",
         "[Stage 1]\n" + lf.substr(0, lf.size() - 3) + "\n[Answer 1]\n" + lf,
         "clipboard: the text has 10 lines"},
    };
    for (const Case& c : cases) {
        auto read = workshop::parsePastedStage("clipboard", c.text);
        if (*c.told == '\0') {
            ASSERT_TRUE(std::holds_alternative<game::StageDesc>(read))
                << c.name << ": " << std::get<game::FileError>(read).message;
            EXPECT_EQ(std::get<game::StageDesc>(read), sample()) << c.name;
        } else {
            ASSERT_TRUE(std::holds_alternative<game::FileError>(read)) << c.name;
            EXPECT_TRUE(std::get<game::FileError>(read).message.starts_with(c.told))
                << c.name << ": " << std::get<game::FileError>(read).message;
        }
    }
}
