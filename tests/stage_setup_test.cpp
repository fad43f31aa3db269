#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture.h"

using testing_support::Game;
using testing_support::stageFile;
using testing_support::TempFolder;

namespace {

constexpr forms::Color kPaleRed = 0xFFC0C0;

// Every file of the folder with its bytes.
std::map<std::string, std::string> filesOf(const TempFolder& dir) {
    std::map<std::string, std::string> out;
    for (const std::string& name : dir.files()) out[name] = dir.read(name);
    return out;
}

// Everything stage set-up builds, as text, so that two loads can be compared whole.
std::string stateOf(Game& g) {
    const game::LumoraBas& b = g.bas();
    const ui::GameWindow& w = g.w();
    std::ostringstream s;
    for (const game::Grid* grid :
         {&b.SandGrid, &b.BlockGrid, &b.WaterGrid, &b.WallGrid, &b.SolidGrid})
        for (const auto& column : *grid)
            for (std::int16_t v : column) s << v;
    s << "\ncounts " << b.BlockCount << "/" << b.BlockTarget << " " << b.WaterCount << " "
      << b.MagicCount << " " << b.intSucsessFrag << " player " << b.PlayerCol << "," << b.PlayerRow
      << " facing " << b.FacingLeft << b.FacingRight << " on " << b.OnColumn << b.OnRow << " start "
      << b.intStartFrag << "\n";
    auto control = [&](const forms::Control& c) {
        s << c.key() << "=" << c.picture.name << "@" << c.Left << "," << c.Top << " " << c.Width
          << "x" << c.Height << " #" << std::hex << c.BackColor << std::dec << " " << c.Text
          << c.Caption << "\n";
    };
    for (int k = 1; k <= 81; ++k) {
        control(*w.Tile[k]);
        control(*w.Ans[k]);
    }
    for (const forms::Control* c : {w.AnimeFrame, w.StageNo, w.txtGreen, w.txtStone, w.txtMagic})
        control(*c);
    return s.str();
}

const std::vector<std::string> kMixedRows = {
    "S.B.W.K..",   // one of each, with gaps
    "bs.p",        // lower case letters are no cells
    "BWKS",        // a short line: columns 5 to 9 are empty
    "........KB",  // the tenth character is not on the board
    ".........",  "..P......", ".........", ".........", "KKKKKKKKK",
};

TEST(StageSetup, BuildsTheBoardCountersAndTray) {
    Game g;
    g.addStage(3, kMixedRows, "5", "31");
    g.load(3);
    ASSERT_TRUE(g.gameOpen());
    const game::LumoraBas& b = g.bas();

    EXPECT_EQ(g.board(),
              "S.B.W.K..\n.........\nBWKS.....\n........K\n.........\n"
              ".........\n.........\n.........\nKKKKKKKKK\n");
    EXPECT_EQ(b.BlockCount, 2);
    EXPECT_EQ(b.WaterCount, 2);
    EXPECT_EQ(b.BlockTarget, 5);
    EXPECT_EQ(b.MagicCount, 32);
    EXPECT_EQ(g.w().txtGreen->Text, "2/5");
    EXPECT_EQ(g.w().txtStone->Text, "2");
    EXPECT_EQ(g.w().txtMagic->Text, "32");
    EXPECT_EQ(g.w().StageNo->Caption, "3");
    EXPECT_EQ(b.intStageNo, 3);

    // The start cell: the sprite on it, the cell itself free.
    EXPECT_EQ(g.sprite().Left, 96);
    EXPECT_EQ(g.sprite().Top, 240);
    EXPECT_EQ(b.PlayerCol, 3);
    EXPECT_EQ(b.PlayerRow, 6);
    EXPECT_EQ(b.SolidGrid[3][6], 0);
    EXPECT_EQ(b.FacingLeft, 1);
    EXPECT_EQ(b.FacingRight, 0);
    EXPECT_EQ(g.pic(), "LeftWalk(1)");
    EXPECT_EQ(b.OnColumn, 1);
    EXPECT_EQ(b.OnRow, 1);

    // Every cell in its place with the picture of its grid, and the grids in step.
    for (int r = 0; r <= 9; ++r)
        for (int c = 0; c <= 9; ++c) {
            const int four =
                b.SandGrid[c][r] + b.BlockGrid[c][r] + b.WaterGrid[c][r] + b.WallGrid[c][r];
            EXPECT_LE(four, 1) << c << "," << r;
            EXPECT_EQ(b.SolidGrid[c][r], four) << c << "," << r;
            if (r == 0 || c == 0) {
                EXPECT_EQ(four, 0) << c << "," << r;
                continue;
            }
            const forms::Control& tile = *g.w().Tile[9 * (r - 1) + c];
            EXPECT_EQ(tile.Left, 48 * (c - 1));
            EXPECT_EQ(tile.Top, 48 * (r - 1));
            const char* expected = b.SandGrid[c][r]    ? "Sand"
                                   : b.BlockGrid[c][r] ? "Block"
                                   : b.WaterGrid[c][r] ? "Water"
                                   : b.WallGrid[c][r]  ? "Wall"
                                                       : "";
            EXPECT_EQ(tile.picture.name, expected) << tile.key();
        }
    EXPECT_EQ(g.w().Tile[1]->Left, 0);
    EXPECT_EQ(g.w().Tile[1]->Top, 0);
    EXPECT_EQ(g.w().Tile[81]->Left, 384);
    EXPECT_EQ(g.w().Tile[81]->Top, 384);
    // A cell without a picture keeps its layout size; one with a picture takes its size.
    EXPECT_EQ(g.w().Tile[2]->Width, 49);
    EXPECT_EQ(g.w().Tile[3]->Width, 48);

    // Beyond the last column or row the board is solid and holds no block.
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(b.solidAt(10, i), 1);
        EXPECT_EQ(b.solidAt(i, 10), 1);
        EXPECT_EQ(b.blockAt(10, i), 0);
        EXPECT_EQ(b.blockAt(i, 10), 0);
    }
    EXPECT_EQ(b.solidAt(0, 9), 0);
    EXPECT_EQ(b.solidAt(1, 1), 1);
    EXPECT_EQ(b.blockAt(3, 1), 1);
    // No timer runs until the player clicks.
    EXPECT_EQ(g.timers(), "-");
}

TEST(StageSetup, NumbersOnLinesTenAndEleven) {
    struct Case {
        const char* target;
        const char* budget;
        const char* green;
        const char* magic;
    };
    const Case cases[] = {
        {" 24 ", "31", "0/24", "32"},
        {"2.5", "2.5", "0/2", "4"},
        {"+3", "-1", "0/3", "0"},
        {"-2", "0.5", "0/-2", "2"},
        {"3.5", "1.49", "0/4", "2"},
        {"32767", "32766", "0/32767", "32767"},
        {"\t7\t", "-32769", "0/7", "-32768"},
    };
    for (const Case& c : cases) {
        Game g;
        g.play({"....P...."}, c.target, c.budget);
        ASSERT_TRUE(g.gameOpen()) << c.target << " " << c.budget << ": "
                                  << g.program().program().fatalError().value_or("");
        EXPECT_EQ(g.w().txtGreen->Text, c.green) << c.target;
        EXPECT_EQ(g.w().txtMagic->Text, c.magic) << c.budget;
    }
}

TEST(StageSetup, TheLastStartCellCounts) {
    Game g;
    g.play({"P.P", "", "", "", "", "", "......P.."}, "1", "1");
    EXPECT_EQ(g.bas().PlayerCol, 7);
    EXPECT_EQ(g.bas().PlayerRow, 7);
    EXPECT_EQ(g.sprite().Left, 288);
    EXPECT_EQ(g.sprite().Top, 288);
    // Every "P" leaves its own cell empty.
    std::string empty;
    for (int r = 1; r <= 9; ++r) empty += ".........\n";
    EXPECT_EQ(g.board(), empty);
    EXPECT_EQ(g.w().Tile[1]->picture.name, "");
}

TEST(StageSetup, DrawsTheAnswerMap) {
    Game g;
    g.addStage(2, {"....P...."}, "1", "1",
               {"O........", "", "", "", ".SBWKPoO", "", "", "", "........O"});
    g.load(2);
    const ui::GameWindow& w = g.w();
    for (int k = 1; k <= 81; ++k) {
        const forms::Control& box = *w.Ans[k];
        const int c = (k - 1) % 9 + 1, r = (k - 1) / 9 + 1;
        EXPECT_EQ(box.Left, 450 + 12 * (c - 1)) << box.key();
        EXPECT_EQ(box.Top, 85 + 12 * (r - 1)) << box.key();
        EXPECT_EQ(box.Width, 12) << box.key();
        EXPECT_EQ(box.Height, 12) << box.key();
    }
    EXPECT_EQ(w.Ans[1]->Left, 450);
    EXPECT_EQ(w.Ans[1]->Top, 85);
    EXPECT_EQ(w.Ans[81]->Left, 546);
    EXPECT_EQ(w.Ans[81]->Top, 181);
    EXPECT_EQ(w.Ans[1]->BackColor, forms::kWhite);
    EXPECT_EQ(w.Ans[81]->BackColor, forms::kWhite);
    EXPECT_EQ(w.Ans[2]->BackColor, kPaleRed);
    // Row 5: S B W K take the stock pictures (the box keeps its size), P and o
    // mark nothing, O is white.
    const char* pictures[] = {"", "Sand", "Block", "Water", "Wall", "", "", ""};
    for (int c = 1; c <= 8; ++c) {
        const forms::Control& box = *w.Ans[36 + c];
        EXPECT_EQ(box.picture.name, pictures[c - 1]) << box.key();
        EXPECT_EQ(box.BackColor, c == 8 ? forms::kWhite : kPaleRed) << box.key();
    }
    // The debug fields and the scratch lines hold the answer file, read last.
    EXPECT_EQ(w.Text1[5]->Text, ".SBWKPoO");
    EXPECT_EQ(g.bas().MapLine[1], "O........");
    EXPECT_EQ(g.bas().MapLine[11], "1");  // its budget line too
    EXPECT_EQ(g.bas().MapCell[9][9], "O");
    // The board itself comes from the stage file only.
    EXPECT_EQ(g.bas().BlockCount, 0);
}

TEST(StageSetup, LoadingAgainGivesTheSameStage) {
    Game g;
    g.addStage(3, kMixedRows, "5", "31", {"OOO"});
    g.addStage(4, {"BBBBBBBBB", "WWWWWWWWW", "SSSSSSSSS", "KKKKKKKKK", "", "", "", "P"}, "9", "99",
               std::vector<std::string>(9, "BBBBBBBBB"));
    g.load(3);
    const std::string first = stateOf(g);

    // Try Again rebuilds the same stage from scratch.
    g.bas().FacingLeft = 0;
    g.bas().FacingRight = 1;
    g.click("game", "Command1");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(stateOf(g), first);

    // A fuller stage in between leaves nothing behind, and the character that
    // faced right there starts the next stage facing left.
    g.click("game", "Command3");
    g.setSave("4\r\n");
    g.click("menu", "Command2");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(g.bas().BlockCount, 9);
    g.bas().FacingLeft = 0;
    g.bas().FacingRight = 1;
    g.w().AnimeFrame->setPicture(*g.w().RightWalk[1]);
    g.click("game", "Command3");
    g.setSave("3\r\n");
    g.click("menu", "Command2");
    ASSERT_TRUE(g.gameOpen());
    EXPECT_EQ(stateOf(g), first);
    EXPECT_EQ(g.pic(), "LeftWalk(1)");
}

TEST(StageSetup, NewGamePlaysStageOneWhateverTheSaveHolds) {
    const std::vector<std::pair<std::string, std::string>> saves = {
        {"holds 7", "7\r\n"},
        {"empty", ""},
        {"not a number", "abc\r\n"},
        {"no such stage", "29\r\n"},
        {"huge", std::string(200 * 1024, '9')},
        {"missing", ""},
    };
    for (const auto& [what, bytes] : saves) {
        Game g;
        g.addStage(1, {"..P......"}, "1", "5");
        g.addStage(7, {"......P.."}, "1", "5");
        g.start();
        if (what == "missing")
            g.folder().remove("save.bkm");
        else
            g.setSave(bytes);
        const auto before = filesOf(g.folder());
        g.bas().intStageNo = 7;
        g.click("menu", "Command1");
        ASSERT_TRUE(g.gameOpen()) << what << ": "
                                  << g.program().program().fatalError().value_or("");
        EXPECT_EQ(g.bas().intStageNo, 1) << what;
        EXPECT_EQ(g.bas().intStartFrag, 0) << what;
        EXPECT_EQ(g.bas().PlayerCol, 3) << what;
        EXPECT_EQ(g.w().StageNo->Caption, "1") << what;
        // The save file is not touched until the next write.
        EXPECT_EQ(filesOf(g.folder()), before) << what;
    }
}

TEST(StageSetup, AMissingSaveFileIsCreatedAtStartAndNoOtherIsTouched) {
    Game g;
    g.addStage(1, {"..P......"}, "1", "5");
    g.start();
    EXPECT_EQ(g.folder().read("save.bkm"), "1\r\n");
    EXPECT_TRUE(g.menuOpen());
    // Load then opens stage 1 straight away.
    g.click("menu", "Command2");
    EXPECT_TRUE(g.gameOpen());

    Game damaged;
    damaged.setSave("abc");
    damaged.start();
    EXPECT_EQ(damaged.folder().read("save.bkm"), "abc");
    EXPECT_EQ(damaged.folder().files(), std::vector<std::string>{"save.bkm"});
}

// A broken file stops the program with a message naming the file, the line and
// the fault, before the game window shows; and nothing in the folder changes.
TEST(StageSetup, BrokenFilesEndTheProgramAndWriteNothing) {
    const std::string rows = "....P....\r\n........\r\n\r\n\r\n\r\n\r\n\r\n\r\nKKKKKKKKK\r\n";
    struct Case {
        const char* what;
        std::function<void(const TempFolder&)> breakIt;
        std::string message;  // "@" stands for the folder
    };
    const std::string longLine(game::kMaxLineBytes + 1, '.');
    const std::vector<Case> cases = {
        {"save missing", [](const TempFolder& d) { d.remove("save.bkm"); },
         "save.bkm: cannot open @/save.bkm (No such file or directory)"},
        {"save empty", [](const TempFolder& d) { d.write("save.bkm", ""); },
         "save.bkm: the file holds no stage number"},
        {"save not a number", [](const TempFolder& d) { d.write("save.bkm", "abc\r\n"); },
         "save.bkm: \"abc\" is not a stage number"},
        {"save negative", [](const TempFolder& d) { d.write("save.bkm", "-3\r\n"); },
         "save.bkm: \"-3\" is not a stage number"},
        {"save past the last stage", [](const TempFolder& d) { d.write("save.bkm", "29\r\n"); },
         "mmap29.bkm: cannot open @/mmap29.bkm (No such file or directory)"},
        {"save zero", [](const TempFolder& d) { d.write("save.bkm", "0"); },
         "mmap0.bkm: cannot open @/mmap0.bkm (No such file or directory)"},
        {"stage missing", [](const TempFolder& d) { d.remove("mmap3.bkm"); },
         "mmap3.bkm: cannot open @/mmap3.bkm (No such file or directory)"},
        {"stage empty", [](const TempFolder& d) { d.write("mmap3.bkm", ""); },
         "mmap3.bkm: the file has 0 lines, it needs 11 (lines must end with CR LF)"},
        {"stage with line feeds only",
         [](const TempFolder& d) { d.write("mmap3.bkm", "....P....\n\n\n\n\n\n\n\n\n5\n9\n"); },
         "mmap3.bkm: the file has 1 line, it needs 11 (lines must end with CR LF)"},
        {"stage of ten lines", [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "5\r\n"); },
         "mmap3.bkm: the file has 10 lines, it needs 11"},
        {"target not a number",
         [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "abc\r\n9\r\n"); },
         "mmap3.bkm line 10: \"abc\" is not a whole number"},
        {"target not a number, and no line 11",
         [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "abc"); },
         "mmap3.bkm line 10: \"abc\" is not a whole number"},
        {"target with a control byte",
         [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "5\x01\r\n9\r\n"); },
         "mmap3.bkm line 10: \"5\\x01\" is not a whole number"},
        {"target empty", [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "\r\n9\r\n"); },
         "mmap3.bkm line 10: \"\" is not a whole number"},
        {"target too big",
         [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "40000\r\n9\r\n"); },
         "mmap3.bkm line 10: \"40000\" is out of range (-32768 to 32767)"},
        {"budget not a number", [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "5\r\nx"); },
         "mmap3.bkm line 11: \"x\" is not a number"},
        {"budget at the top",
         [&](const TempFolder& d) { d.write("mmap3.bkm", rows + "5\r\n32767\r\n"); },
         "mmap3.bkm line 11: \"32767\" plus 1 is out of range (-32768 to 32767)"},
        {"no start cell",
         [&](const TempFolder& d) { d.write("mmap3.bkm", stageFile({"....p...."}, "5", "9")); },
         "mmap3.bkm: the board has no start cell \"P\""},
        {"board line too long",
         [&](const TempFolder& d) {
             d.write("mmap3.bkm", stageFile({"....P....", "", "", longLine}, "5", "9"));
         },
         "mmap3.bkm line 4: the line is longer than 65536 bytes"},
        {"answer missing", [](const TempFolder& d) { d.remove("amap3.bkm"); },
         "amap3.bkm: cannot open @/amap3.bkm (No such file or directory)"},
        {"answer of nine lines", [&](const TempFolder& d) { d.write("amap3.bkm", rows); },
         "amap3.bkm: the file has 9 lines, it needs 11"},
    };
    for (const Case& c : cases) {
        Game g;
        g.addStage(3, {"....P...."}, "5", "9");
        g.setSave("3\r\n");
        g.start();
        ASSERT_TRUE(g.menuOpen()) << c.what;
        c.breakIt(g.folder());
        const auto before = filesOf(g.folder());

        g.click("menu", "Command2");

        const forms::Program& program = g.program().program();
        std::string expected = c.message;
        if (auto at = expected.find('@'); at != std::string::npos)
            expected.replace(at, 1, g.folder().path());
        EXPECT_TRUE(program.ended()) << c.what;
        EXPECT_EQ(program.fatalError().value_or("(none)"), expected) << c.what;
        EXPECT_FALSE(g.gameOpen()) << c.what;
        EXPECT_EQ(filesOf(g.folder()), before) << c.what;
    }
}

}  // namespace
