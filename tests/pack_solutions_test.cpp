// The solutions a pack file carries: which stages go without one and why,
// and a carried solution checked in the whole game before it is believed.
#include "workshop/core/pack_solutions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/files.h"
#include "workshop/core/editing.h"

namespace {

using workshop::KnownSolution;
using workshop::NoSolution;

std::string shipped(const std::string& name) {
    std::ifstream in(std::string(LUMORA_STAGES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

game::StageDesc shippedStage(int n) {
    auto desc =
        std::get<game::StageDesc>(game::parseStageText("stage", shipped(game::stageFileName(n))));
    EXPECT_FALSE(game::parseAnswerText("answer", shipped(game::answerFileName(n)), desc));
    return desc;
}

std::string shippedSolution(int n) {
    return shipped("solutions/stage" + std::to_string(n) + ".replay");
}

// Stages told apart by their target.
game::StageDesc stageNo(int target) {
    game::StageDesc s = workshop::blankStage();
    s.target = static_cast<std::int16_t>(target);
    return s;
}

}  // namespace

TEST(PackSolutions, EachStageCarriesItsKnownSolutionOrIsNamedWithWhy) {
    const std::vector<game::ScriptStep> steps = {game::ScriptStep::click(true, 2),
                                                 game::ScriptStep::tap(40, 2)};
    const std::map<int, KnownSolution> known = {
        {1, {std::nullopt, steps}},
        {2, {NoSolution::NotSolvable, {}}},
        {3, {NoSolution::Undecided, {}}},
        {4, {std::nullopt, {}}},  // a solution of no steps clears nothing
        {5, {NoSolution::CannotBeProven, {}}},
    };
    game::Pack pack{{"P", "A", "CC0-1.0", 6}, {}};
    for (int n = 1; n <= 6; ++n) pack.stages.push_back(stageNo(n));
    const auto out = workshop::withSolutions(pack, [&](const game::StageDesc& s) {
        const auto found = known.find(s.target);
        return found == known.end() ? KnownSolution{NoSolution::NotProven, {}} : found->second;
    });
    ASSERT_EQ(out.contents.solutions.size(), 6u);
    EXPECT_EQ(out.contents.solutions[0], game::writeScript(steps));
    for (std::size_t i = 1; i < 6; ++i) EXPECT_EQ(out.contents.solutions[i], "") << i;
    EXPECT_EQ(out.without, (std::vector<workshop::StageWithout>{{2, NoSolution::NotSolvable},
                                                                {3, NoSolution::Undecided},
                                                                {4, NoSolution::NotProven},
                                                                {5, NoSolution::CannotBeProven},
                                                                {6, NoSolution::NotProven}}));
    EXPECT_EQ(out.contents.pack.stages, pack.stages);
}

TEST(PackSolutions, ACarriedSolutionIsBelievedOnlyWhenTheGameClearsItOnTheAnswer) {
    const game::StageDesc stage = shippedStage(3);
    const std::string script = shippedSolution(3);
    game::StageDesc otherAnswer = stage;
    otherAnswer.answer = shippedStage(4).answer;
    const std::string cut = script.substr(0, script.size() / 2);
    struct Case {
        const char* name;
        const game::StageDesc& stage;
        std::string script;
        bool clears;
    };
    const Case cases[] = {
        {"its own solution", stage, script, true},
        {"with a CR before each line end", stage,
         [&] {
             std::string crlf;
             for (char c : script) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return crlf;
         }(),
         true},
        {"cut in half", stage, cut, false},
        {"a bad line after the clear", stage, script + "jump 3\n", false},
        {"on a stage whose answer is another board", otherAnswer, script, false},
        {"another stage's solution", stage, shippedSolution(5), false},
    };
    for (const Case& c : cases) {
        const workshop::CarriedCheck check = workshop::checkCarried(c.stage, c.script, 3);
        EXPECT_EQ(check.clears, c.clears) << c.name;
        EXPECT_EQ(check.key, workshop::carriedKey(c.stage)) << c.name;
        EXPECT_EQ(check.steps.empty(), !c.clears) << c.name;
    }
    EXPECT_NE(workshop::carriedKey(stage), workshop::carriedKey(otherAnswer));
}

TEST(PackSolutions, OnlyStagesWithASolutionAreCheckedAndACancelStopsTheRest) {
    game::PackContents contents{{{"P", "A", "CC0-1.0", 3}, {}}, {shippedSolution(1), "", ""}};
    for (int n : {1, 2, 3}) contents.pack.stages.push_back(shippedStage(n));
    contents.solutions[2] = shippedSolution(3);
    const std::vector<workshop::Carried> carried = workshop::carriedOf(contents);
    ASSERT_EQ(carried.size(), 2u);
    EXPECT_EQ(carried[0].stageNo, 1);
    EXPECT_EQ(carried[1].stageNo, 3);
    EXPECT_EQ(carried[1].stage, contents.pack.stages[2]);

    std::vector<workshop::CarriedCheck> reported;
    workshop::ProofFlags control;
    const auto report = [&](const workshop::CarriedCheck& c) { reported.push_back(c); };
    EXPECT_EQ(workshop::checkAllCarried(carried, control, report), true);
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_TRUE(reported[0].clears && reported[1].clears);

    reported.clear();
    control.cancel = true;
    EXPECT_EQ(workshop::checkAllCarried(carried, control, report), std::nullopt);
    EXPECT_TRUE(reported.empty());
}

TEST(PackSolutions, ASolutionIsCarriedOnlyWhereItEndsOnTheAnswer) {
    const game::StageDesc stage = shippedStage(3);
    const std::vector<game::ScriptStep> steps = game::readScript(shippedSolution(3)).steps;
    game::StageDesc otherAnswer = stage;
    otherAnswer.answer = shippedStage(4).answer;
    const struct {
        const char* name;
        const game::StageDesc& stage;
        KnownSolution known;
        std::optional<NoSolution> missing;
    } cases[] = {
        {"on its answer", stage, {std::nullopt, steps}, std::nullopt},
        {"on another final board", otherAnswer, {std::nullopt, steps}, NoSolution::EndsElsewhere},
        {"none to check", stage, {NoSolution::Undecided, {}}, NoSolution::Undecided},
    };
    for (const auto& c : cases) {
        const KnownSolution out = workshop::onItsAnswer(c.stage, c.known);
        EXPECT_EQ(out.missing, c.missing) << c.name;
        EXPECT_EQ(out.steps.empty(), c.missing.has_value()) << c.name;
    }
}
