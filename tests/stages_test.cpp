#include <fstream>
#include <sstream>

#include "replay.h"
#include "support/fixture.h"

using testing_support::TempFolder;

namespace {

std::string readStageFile(const std::string& name) {
    std::ifstream in(std::string(LUMORA_STAGES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

}  // namespace

// Each shipped stage is cleared by its stored solution in the real game, and
// its answer file is the board that solution ends on.
TEST(Stages, EverySolutionClearsItsStageOnItsAnswerBoard) {
    for (int n = 1; n <= 28; ++n) {
        SCOPED_TRACE("stage " + std::to_string(n));
        const std::string stage = readStageFile("mmap" + std::to_string(n) + ".bkm");
        const std::string answer = readStageFile("amap" + std::to_string(n) + ".bkm");
        const std::string script = readStageFile("solutions/stage" + std::to_string(n) + ".replay");
        ASSERT_FALSE(stage.empty());
        ASSERT_FALSE(answer.empty());
        ASSERT_FALSE(script.empty());

        TempFolder folder;
        folder.write("mmap" + std::to_string(n) + ".bkm", stage);
        folder.write("amap" + std::to_string(n) + ".bkm", answer);
        folder.write("save.bkm", std::to_string(n) + "\r\n");
        std::istringstream in(script + "board\n");
        std::ostringstream out, err;
        EXPECT_EQ(replay::run(folder.path(), in, out, err), 0) << err.str();

        const std::vector<std::string> lines = linesOf(out.str());
        ASSERT_GE(lines.size(), 10u) << out.str();
        const std::string& lastShow = lines[lines.size() - 10];
        EXPECT_EQ(lastShow.rfind("t=", 0), 0u) << lastShow;
        EXPECT_NE(lastShow.find("StageClearTimer"), std::string::npos) << lastShow;

        const std::vector<std::string> answerLines = linesOf(answer);
        ASSERT_EQ(answerLines.size(), 11u);
        for (int r = 0; r < 9; ++r) {
            std::string expected = answerLines[static_cast<std::size_t>(r)];
            for (char& ch : expected)
                if (ch == 'O') ch = 'B';
            EXPECT_EQ(lines[lines.size() - 9 + static_cast<std::size_t>(r)], expected)
                << "row " << r + 1;
        }
        EXPECT_EQ(answerLines[9], linesOf(stage)[9]);
        EXPECT_EQ(answerLines[10], linesOf(stage)[10]);
    }
}
