#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/program.h"

namespace {

using forms::Rect;

// A board cell, a sprite over it and a text box, in pixels at 15 twips each.
class Board : public forms::Form {
public:
    explicit Board(forms::Program& program) : Form(program, "Board") {
        Width = 300 * 15;
        Height = 200 * 15;
        add(forms::Kind::Image, "Tile", 1, 0, 0, 48 * 15, 48 * 15);
        add(forms::Kind::Image, "AnimeFrame", -1, 48 * 15, 0, 48 * 15, 48 * 15);
        add(forms::Kind::TextBox, "Text1", -1, 0, 100 * 15, 60 * 15, 20 * 15);
        // Parked to the right of the 294-pixel client area.
        add(forms::Kind::TextBox, "Text2", -1, 400 * 15, 0, 60 * 15, 20 * 15);
    }
    forms::Control& tile() { return controls()[0]; }
    forms::Control& sprite() { return controls()[1]; }
    forms::Control& box() { return controls()[2]; }
    forms::Control& parked() { return controls()[3]; }
    void addLabel() { add(forms::Kind::Label, "Label1", -1, 0, 0, 10, 10); }
};

const Rect kTile{0, 0, 48, 48};
const Rect kSprite{48, 0, 48, 48};
const Rect kBox{0, 100, 60, 20};

struct Case {
    const char* what;
    std::function<void(Board&)> change;
    bool whole;
    std::vector<Rect> rects;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class DamageTest : public testing::TestWithParam<Case> {};

TEST_P(DamageTest, NamesWhatChangedSinceTheLastAsk) {
    forms::Program program;
    Board board(program);
    ASSERT_TRUE(board.takeDamage().whole) << "the first paint is the whole window";
    GetParam().change(board);
    const forms::Damage damage = board.takeDamage();
    EXPECT_EQ(damage.whole, GetParam().whole);
    EXPECT_EQ(damage.rects, GetParam().rects);
    EXPECT_TRUE(board.takeDamage().none()) << "damage is handed out once";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DamageTest,
    testing::Values(
        Case{"nothing", [](Board&) {}, false, {}},
        Case{"walk step",
             [](Board& b) { b.sprite().Left += 12; },
             false,
             {kSprite, {60, 0, 48, 48}}},
        // A fraction of a pixel that rounds to the same place draws the same.
        Case{"sub-pixel", [](Board& b) { b.sprite().Left += 0.3f; }, false, {}},
        Case{"grow", [](Board& b) { b.box().Height += 5; }, false, {kBox, {0, 100, 60, 25}}},
        Case{"picture",
             [](Board& b) {
                 b.tile().setPicture(forms::Picture{"Block", 48, 48});
             },
             false,
             {kTile}},
        Case{"text", [](Board& b) { b.box().Text = "12"; }, false, {kBox}},
        Case{"colour", [](Board& b) { b.box().ForeColor = 0xFF0000; }, false, {kBox}},
        Case{"greyed", [](Board& b) { b.box().Enabled = false; }, false, {kBox}},
        Case{"font", [](Board& b) { b.box().FontSize = 12; }, false, {kBox}},
        // Changed and put back between two paints: the screen is still right.
        Case{"there and back",
             [](Board& b) {
                 b.sprite().Left += 12;
                 b.sprite().Left -= 12;
             },
             false,
             {}},
        Case{"out of sight", [](Board& b) { b.parked().Text = "7"; }, false, {}},
        Case{"into sight",
             [](Board& b) {
                 b.parked().Text = "7";
                 b.parked().Left = 200;
             },
             false,
             {{200, 0, 60, 20}}},
        Case{"window colour", [](Board& b) { b.BackColor = 0x000080; }, true, {}},
        Case{"window size", [](Board& b) { b.Width += 15 * 10; }, true, {}},
        Case{"control added", [](Board& b) { b.addLabel(); }, true, {}}),
    [](const testing::TestParamInfo<Case>& param) {
        std::string name = param.param.what;
        for (char& ch : name)
            if (ch == ' ' || ch == '-') ch = '_';
        return name;
    });

// Edges round halves away from zero, and the size is what lies between them.
TEST(PixelBounds, RoundsEdgesNotSizes) {
    const struct {
        float left, width;
        int x, w;
    } cases[] = {{0.5f, 10, 1, 10},    {0.49999997f, 10, 0, 11}, {-0.5f, 1, -1, 2},
                 {-2.5f, 0.4f, -3, 1}, {10.4f, 0.4f, 10, 1},     {-9000, 48, -9000, 48}};
    for (const auto& c : cases) {
        forms::Control control;
        control.Left = c.left;
        control.Width = c.width;
        control.Height = 1;
        const Rect r = forms::pixelBounds(control);
        EXPECT_EQ(r.x, c.x) << c.left;
        EXPECT_EQ(r.width, c.w) << c.left;
    }
}

}  // namespace
