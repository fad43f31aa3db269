#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "forms/program.h"
#include "support/fixture.h"
#include "ui/main_window.h"

using testing_support::Game;
using testing_support::TempFolder;

namespace {

const std::vector<std::string> kTimerTable = {"LeftWalkTimer",  "RightWalkTimer", "LeftJumpTimer",
                                              "RightJumpTimer", "FallTimer",      "StageClearTimer",
                                              "GameOverTimer"};

// Every control of a window, bottom first (the game window's own controls()
// gives the ones the game works on).
const std::deque<forms::Control>& stack(const forms::Form& form) { return form.controls(); }

// Where each control sits in the stacking order, bottom first.
int depth(const forms::Form& form, const std::string& name, int index = -1) {
    const auto& cs = form.controls();
    for (std::size_t i = 0; i < cs.size(); ++i)
        if (cs[i].name == name && cs[i].index == index) return static_cast<int>(i);
    ADD_FAILURE() << "no control " << name << "(" << index << ")";
    return -1;
}

TEST(GameWindowLayout, AsCreatedBeforeItLoads) {
    TempFolder dir;
    forms::Program program(15.0f);
    game::LumoraBas bas(dir.path());
    ui::MainWindow win(program, bas);
    const ui::GameWindow& w = win.controls();

    EXPECT_EQ(win.Caption, " Lumora");
    EXPECT_EQ(win.clientWidth(), 958);
    EXPECT_EQ(win.clientHeight(), 687);

    // Nothing runs yet.
    std::vector<std::string> names;
    for (const forms::Timer& t : win.timers()) {
        names.push_back(t.name());
        EXPECT_FALSE(t.Enabled()) << t.name();
        EXPECT_EQ(t.Interval(), t.name().find("Walk") != std::string::npos ||
                                        t.name().find("Jump") != std::string::npos ||
                                        t.name() == "FallTimer"
                                    ? 100
                                    : 2000)
            << t.name();
    }
    EXPECT_EQ(names, kTimerTable);

    // The cells and the sprite: 49 pixels square and blank; the board cells
    // parked right of the board until a stage places them.
    for (int k = 0; k <= 81; ++k) {
        const forms::Control& tile = *w.Tile[k];
        EXPECT_EQ(tile.key(), "Tile(" + std::to_string(k) + ")");
        EXPECT_EQ(tile.Width, 49) << tile.key();
        EXPECT_EQ(tile.Height, 49) << tile.key();
        EXPECT_TRUE(tile.picture.empty()) << tile.key();
    }
    EXPECT_EQ(w.Tile[0]->Top, 552);
    EXPECT_EQ(w.Tile[1]->Left, 448);
    EXPECT_EQ(w.Tile[81]->Left, 448 + 8 * 48);
    EXPECT_EQ(w.Tile[81]->Top, 384);
    EXPECT_EQ(w.AnimeFrame->Width, 49);
    EXPECT_EQ(w.AnimeFrame->Height, 49);
    EXPECT_TRUE(w.AnimeFrame->picture.empty());
    EXPECT_EQ(w.AnimeFrame->Top, 456);

    // The tray shows its layout texts.
    EXPECT_EQ(w.StageNo->Caption, "14");
    EXPECT_EQ(w.txtMagic->Text, "32");
    EXPECT_EQ(w.txtStone->Text, "5");
    EXPECT_EQ(w.txtGreen->Text, "15/24");
    EXPECT_FLOAT_EQ(w.txtMagic->Height, 22.4f);
    EXPECT_EQ(w.txtGreen->BackColor, 0xC0FFC0u);
    EXPECT_EQ(w.txtMagic->BackColor, 0xFFC0FFu);
    EXPECT_EQ(w.txtStone->BackColor, 0xC0FFFFu);

    // The mini-map boxes in their layout grid, pale red and blank.
    EXPECT_EQ(w.Ans[1]->Left, 240);
    EXPECT_EQ(w.Ans[1]->Top, 80);
    EXPECT_EQ(w.Ans[81]->Left, 240 + 8 * 16);
    EXPECT_EQ(w.Ans[81]->Top, 80 + 8 * 16);
    for (int k = 1; k <= 81; ++k) {
        EXPECT_EQ(w.Ans[k]->BackColor, 0xFFC0C0u);
        EXPECT_TRUE(w.Ans[k]->picture.empty());
        EXPECT_EQ(w.Ans[k]->Width, 12);
    }

    // Stock pictures sit below the part of the window that will show, at the
    // size of their artwork; the stretched icons keep their box.
    for (const forms::Control& c : stack(win)) {
        if (c.kind != forms::Kind::Image || c.picture.empty()) continue;
        if (c.Stretch) {
            EXPECT_EQ(c.Width, 17) << c.key();
            continue;
        }
        EXPECT_EQ(c.Width, c.picture.width) << c.key();
        EXPECT_EQ(c.Height, c.picture.height) << c.key();
        if (c.Left < 432) {
            EXPECT_GE(c.Top, 456) << c.key();
        }
    }
    for (const forms::Control* c : {w.Block, w.Sand, w.Water, w.Wall, w.LeftWalk[1], w.RightJump[4],
                                    w.LeftNiko[1], w.RightNaku[0]}) {
        EXPECT_EQ(c->Width, 48) << c->key();
        EXPECT_FALSE(c->picture.empty()) << c->key();
    }

    // Stacking, bottom first: cells, sprite, tray, plates, labels and icons,
    // then text boxes, buttons and the mini-map above them all.
    EXPECT_LT(depth(win, "Tile", 81), depth(win, "AnimeFrame"));
    EXPECT_LT(depth(win, "AnimeFrame"), depth(win, "ButtonTray"));
    EXPECT_LT(depth(win, "ButtonTray"), depth(win, "Batti"));
    EXPECT_LT(depth(win, "Batti"), depth(win, "Stage"));
    EXPECT_LT(depth(win, "Stage"), depth(win, "MoriCount"));
    int topLabel = 0;
    for (const char* n :
         {"Stagelabel", "StageNo", "Label7", "Label9", "Label10", "Image1", "Stone", "Green"}) {
        EXPECT_LT(depth(win, "MoriCount"), depth(win, n)) << n;
        topLabel = std::max(topLabel, depth(win, n));
    }
    for (const char* n : {"txtMagic", "txtStone", "txtGreen", "Command1", "Command3"})
        EXPECT_LT(topLabel, depth(win, n)) << n;
    EXPECT_LT(depth(win, "Command3"), depth(win, "Ans", 1));
}

// Position, size and font of every control, to tell which ones a load moved.
std::string placeOf(const forms::Control& c) {
    return c.key() + " " + std::to_string(c.Left) + "," + std::to_string(c.Top) + " " +
           std::to_string(c.Width) + "x" + std::to_string(c.Height) + " " + c.FontName + " " +
           std::to_string(c.FontSize) + " " + c.picture.name;
}

// Controls that stage set-up places or fills on every screen.
bool placedByStage(const forms::Control& c) {
    static const std::set<std::string> names = {"AnimeFrame", "Ans", "Text1"};
    return (c.name == "Tile" && c.index > 0) || names.count(c.name) > 0;
}

TEST(GameWindowLoad, AtFifteenTwipsOnlyTheWindowShrinks) {
    Game g(15.0f);
    g.play({"..P......"}, "3", "7");
    ASSERT_TRUE(g.gameOpen());
    ui::MainWindow& win = g.win();
    ui::MainWindow fresh(g.program().program(), g.bas());

    EXPECT_EQ(win.Width, 8725);
    EXPECT_EQ(win.Height, 6835);
    // The board and tray show, x 0 to 575 and y 0 to 431, and nothing below.
    EXPECT_EQ(win.clientWidth(), 576);
    EXPECT_EQ(win.clientHeight(), 432);

    ASSERT_EQ(stack(win).size(), stack(fresh).size());
    for (std::size_t i = 0; i < stack(fresh).size(); ++i) {
        const forms::Control& now = stack(win)[i];
        if (placedByStage(now)) continue;
        EXPECT_EQ(placeOf(now), placeOf(stack(fresh)[i]));
    }
    EXPECT_EQ(g.w().txtMagic->FontSize, 11.25f);
    EXPECT_EQ(g.w().txtMagic->Left, 520);
    EXPECT_EQ(g.timers(), "-");
}

TEST(GameWindowLoad, AtTwelveTwipsTheTrayIsLaidOutAgain) {
    Game g(12.0f);
    g.play({"..P......"}, "3", "7", {"", "", "", "", "", "", "", "", "........O"});
    ASSERT_TRUE(g.gameOpen());
    ui::MainWindow& win = g.win();
    EXPECT_EQ(g.bas().TwipsPerPixel, 12.0f);
    EXPECT_EQ(win.Width, 8730);
    EXPECT_EQ(win.Height, 6950);

    struct Row {
        const char* name;
        float left, top;
        float width, height;  // 0: left as laid out
        float fontSize;       // 0: left as laid out
    };
    const Row rows[] = {
        {"ButtonTray", 432, 0, 0, 0, 0},    {"Batti", 432, 10, 0, 0, 0},
        {"Stage", 432, 10, 0, 0, 0},        {"MoriCount", 432, 265, 0, 0, 0},
        {"Stagelabel", 447, 28, 0, 0, 16},  {"StageNo", 517, 25, 0, 0, 18},
        {"Label9", 447, 273, 0, 0, 11},     {"Label10", 447, 288, 0, 0, 11},
        {"Label7", 447, 303, 0, 0, 11},     {"Image1", 502, 273, 18, 18, 0},
        {"Stone", 502, 288, 18, 18, 0},     {"Green", 502, 303, 18, 18, 0},
        {"txtMagic", 526, 273, 40, 18, 6},  {"txtStone", 526, 288, 40, 18, 6},
        {"txtGreen", 526, 303, 40, 18, 6},  {"Command1", 432, 369, 145, 27, 0},
        {"Command3", 432, 400, 145, 27, 0},
    };
    ui::MainWindow fresh(g.program().program(), g.bas());
    for (const Row& r : rows) {
        const forms::Control& c = *win.find(r.name);
        const forms::Control& before = *fresh.find(r.name);
        EXPECT_EQ(c.Left, r.left) << r.name;
        EXPECT_EQ(c.Top, r.top) << r.name;
        EXPECT_EQ(c.Width, r.width > 0 ? r.width : before.Width) << r.name;
        EXPECT_EQ(c.Height, r.height > 0 ? r.height : before.Height) << r.name;
        EXPECT_EQ(c.FontSize, r.fontSize > 0 ? r.fontSize : before.FontSize) << r.name;
    }

    // Controls nothing moves keep their twips, so their pixels grow by 15/12.
    EXPECT_EQ(win.find("Text6")->Left, 410);
    EXPECT_EQ(win.find("Tile", 0)->Top, 690);
    EXPECT_GE(win.find("Block")->Top, static_cast<float>(win.clientHeight()));
    // The board, sprite and mini-map are placed in pixels all the same.
    EXPECT_EQ(g.w().Tile[81]->Left, 384);
    EXPECT_EQ(g.w().Tile[81]->Top, 384);
    EXPECT_EQ(g.sprite().Left, 96);
    EXPECT_EQ(g.sprite().Top, 0);
    EXPECT_EQ(g.w().Ans[81]->Left, 546);
    EXPECT_EQ(g.w().Ans[81]->Top, 181);
    EXPECT_EQ(g.w().Ans[81]->BackColor, forms::kWhite);
    EXPECT_EQ(g.w().txtGreen->Text, "0/3");
    EXPECT_EQ(g.timers(), "-");
}

}  // namespace
