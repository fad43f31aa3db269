#include <algorithm>
#include <fstream>
#include <sstream>

#include "headless/replay.h"
#include "solver/validate.h"
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
        EXPECT_EQ(headless::run(folder.path(), in, out, err), 0) << err.str();

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
                if (ch == game::kAnswerLetter) ch = game::cellInfo(game::CellKind::Block).letter;
            EXPECT_EQ(lines[lines.size() - 9 + static_cast<std::size_t>(r)], expected)
                << "row " << r + 1;
        }
        EXPECT_EQ(answerLines[9], linesOf(stage)[9]);
        EXPECT_EQ(answerLines[10], linesOf(stage)[10]);
    }
}

// From stage 8 on every stage is built on an idea of its own: no board is a
// shift, mirror or near copy of another. The teaching stages 1-7 are mostly a
// bare floor and wall, so among themselves they are left out; against any
// later stage they count.
TEST(Stages, NoStageFromEightOnIsANearCopyOfAnother) {
    std::vector<solver::Stage> all;
    for (int n = 1; n <= 28; ++n) {
        auto parsed = solver::loadStage(std::string(LUMORA_STAGES_DIR) + "/mmap" +
                                        std::to_string(n) + ".bkm");
        ASSERT_TRUE(std::holds_alternative<solver::Stage>(parsed));
        all.push_back(std::get<solver::Stage>(parsed));
    }
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = std::max<std::size_t>(i + 1, 7); j < all.size(); ++j)
            EXPECT_LT(solver::boardOverlap(all[i], all[j]), 0.75)
                << "stages " << i + 1 << " and " << j + 1;

    // The measure itself: a stage against its own mirror image, shifted, is a copy.
    game::MapLines lines{};
    game::MapLines mirrored{};
    const std::vector<std::string> rows = {".........", ".........", ".........",
                                           ".........", ".........", "....W....",
                                           "...KB....", ".P.KKS...", "KKKKKKKKK"};
    for (std::size_t r = 0; r < 9; ++r) {
        lines[r + 1] = rows[r];
        mirrored[r + 1] = std::string(rows[r].rbegin(), rows[r].rend());
    }
    mirrored[6] = "..W......";  // the pool one column over
    lines[10] = mirrored[10] = "1";
    lines[11] = mirrored[11] = "3";
    const auto a = std::get<solver::Stage>(solver::parseStage(lines, "a"));
    const auto b = std::get<solver::Stage>(solver::parseStage(mirrored, "b"));
    EXPECT_LT(solver::boardOverlap(a, b), 1.0);
    EXPECT_GT(solver::boardOverlap(a, b), 0.85);
    EXPECT_DOUBLE_EQ(solver::boardOverlap(a, a), 1.0);
}
