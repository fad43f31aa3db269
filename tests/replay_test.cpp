#include "headless/replay.h"

#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::cell;
using testing_support::Game;
using testing_support::oneBlockStage;
using testing_support::TempFolder;
using testing_support::writeStage;

namespace {

struct ReplayRun {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

ReplayRun replayScript(const TempFolder& folder, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    ReplayRun r;
    r.status = headless::run(folder.path(), in, out, err);
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) r.lines.push_back(line);
    r.err = err.str();
    return r;
}

void addTwoStages(const TempFolder& f) {
    writeStage(f, 1, oneBlockStage(), "1", "10");
    writeStage(f, 2,
               {".........", ".........", ".........", "..P......", "KKKKKKKKK", "KKKKKKKKK",
                "KKKKKKKKK", "KKKKKKKKK", "W........"},
               "3", "20");
}

}  // namespace

TEST(Replay, PlaysFromTheTitleThroughAClearIntoTheNextStage) {
    TempFolder f;
    addTwoStages(f);
    ReplayRun r = replayScript(f,
                               "# a stage of our own, from the title to the next one\n"
                               "show\n"
                               "click menu Command1   # Start\n"
                               "show\n"
                               "tap 42 2              # a block on the right\n"
                               "show\n"
                               "wait 7999\n"
                               "show\n"
                               "\n"
                               "wait 1\r\n"
                               "show\n"
                               "click menu Command4\n"
                               "show\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> expected = {
        R"(t=0 forms=menu mode=0 stage= save=1\r\n menu=Command1,Command2,Command3 menusize=4405x4685)",
        R"(t=0 forms=game mode=0 stage=1 save=1\r\n x=192 y=192 col=5 row=5 facing=L pic=LeftWalk(1) magic=11 stone=0 green=0/1 stageno=1 timers=-)",
        R"(t=0 forms=game mode=0 stage=1 save=1\r\n x=192 y=192 col=5 row=5 facing=R pic=RightWalk(1) magic=9 stone=0 green=1/1 stageno=1 timers=StageClearTimer:2000)",
        R"(t=7999 forms=game mode=0 stage=1 save=1\r\n x=192 y=192 col=5 row=5 facing=R pic=RightNiko(1) magic=9 stone=0 green=1/1 stageno=1 timers=StageClearTimer:4000)",
        R"(t=8000 forms=menu mode=0 stage=1 save=1\r\n menu=Command4,Command3 menusize=4405x3965)",
        R"(t=8000 forms=game mode=0 stage=2 save=2\r\n x=96 y=144 col=3 row=4 facing=L pic=LeftWalk(1) magic=21 stone=1 green=0/3 stageno=2 timers=-)",
    };
    EXPECT_EQ(r.lines, expected);
}

TEST(Replay, ScriptMistakesExitTwoNamingTheLine) {
    TempFolder f;
    addTwoStages(f);
    struct Case {
        const char* script;
        const char* err;
    };
    const Case cases[] = {
        {"show\n\njump 3\n", "script line 3: "},
        {"click menu Command2\ntap 82 1\n", "script line 2: "},
        {"tap 5 1\n", "script line 1: "},  // no game window yet
        {"click game Command1\n", "script line 1: "},
        {"wait 5\nclose game\n", "script line 2: "},
        {"click menu Command6\n", "script line 1: "},
        {"wait -5\n", "script line 1: "},
        {"# first\ntwips\n", "script line 2: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        ReplayRun r = replayScript(f, c.script);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
    }
    // Whatever ran before the mistake has been printed.
    ReplayRun r = replayScript(f, "show\nbogus\nshow\n");
    EXPECT_EQ(r.lines.size(), 1u);
}

TEST(Replay, FatalErrorsExitOneAndTheProgramsEndExitsZero) {
    TempFolder f;
    f.write("save.bkm", "4\r\n");
    ReplayRun bad = replayScript(f, "click menu Command2\nshow\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err.rfind("error: ", 0), 0u) << bad.err;
    EXPECT_NE(bad.err.find("mmap4.bkm"), std::string::npos) << bad.err;
    EXPECT_TRUE(bad.lines.empty());
    EXPECT_EQ(f.read("save.bkm"), "4\r\n");

    addTwoStages(f);
    f.write("save.bkm", "2\r\n");
    ReplayRun closed =
        replayScript(f, "twips 12\nclick menu Command2\nwait 250\nclose game\nshow\n");
    EXPECT_EQ(closed.status, 0);
    EXPECT_EQ(closed.lines, std::vector<std::string>{"ended t=250"});
    EXPECT_EQ(f.read("save.bkm"), "2\r\n");
}

// The player's whole stage, told only in presses, releases and time passing.
TEST(WholeStage, FromTheFirstClickToTheClearByMouseAndClockAlone) {
    Game g;
    g.play({".........", ".........", ".........", ".........", ".........", "...K.P...",
            "KK.KKKKKK", "KKKKKKKKK", "KKKKKKKKK"},
           "1", "4");

    g.down(cell(4, 6), 1);  // onto the step
    g.up(cell(4, 6), 1);
    g.wait(2500);
    EXPECT_EQ(g.sprite().Left, 144);
    EXPECT_EQ(g.sprite().Top, 192);
    EXPECT_EQ(g.timers(), "-");

    g.down(cell(2, 5), 1);  // off it again, down into the pit and climbing out
    g.up(cell(2, 5), 1);
    g.wait(1000);
    EXPECT_EQ(g.timers(), "LeftWalkTimer:100,FallTimer:100");
    g.wait(3000);
    EXPECT_EQ(g.sprite().Left, 48);
    EXPECT_EQ(g.sprite().Top, 240);
    EXPECT_EQ(g.timers(), "-");

    EXPECT_EQ(g.w().txtMagic->Text, "5");
    g.down(cell(2, 5), 2);  // a block over its head
    g.up(cell(2, 5), 2);
    EXPECT_EQ(g.timers(), "StageClearTimer:2000");
    EXPECT_EQ(g.w().txtGreen->Text, "1/1");
    EXPECT_EQ(g.w().txtMagic->Text, "3");
}
