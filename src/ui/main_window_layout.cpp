#include "game/cells.h"
#include "game/rules.h"
#include "ui/main_window.h"
#include "game/translatable.h"

namespace ui {
namespace {

using forms::Kind;

constexpr float kTw = 15.0f;  // the layout is drawn at 15 twips to the pixel
const char* const kTimes = "Times New Roman";
const char* const kGothic = "ＭＳ Ｐゴシック";

forms::Picture art(const std::string& name, int w = 48, int h = 48) { return {name, w, h}; }

// The stock controls of the four cell kinds are named after their pictures.
std::string pictureName(game::CellKind kind) { return std::string(game::cellInfo(kind).picture); }

}  // namespace

// Controls are added bottom first. Stock pictures lie below the visible area,
// so where they sit in the stack does not show.
void MainWindow::buildLayout() {
    Caption = " Lumora";
    Width = 14370 + 6 * kTw;
    Height = 10305 + 24 * kTw;
    BackColor = forms::kWhite;

    auto image = [&](const std::string& name, int index, float x, float y, float w, float h,
                     const forms::Picture& pic) -> forms::Control& {
        forms::Control& c = add(Kind::Image, name, index, x * kTw, y * kTw, w * kTw, h * kTw);
        c.setPicture(pic);
        return c;
    };
    auto stock = [&](const std::string& name, int index, float x, float y) {
        std::string key = index < 0 ? name : name + "(" + std::to_string(index) + ")";
        return &image(name, index, x, y, 48, 48, art(key));
    };

    w_.Block = stock(pictureName(game::CellKind::Block), -1, 48, 456);
    w_.Sand = stock(pictureName(game::CellKind::Sand), -1, 48, 504);
    w_.Water = stock(pictureName(game::CellKind::Water), -1, 0, 504);
    w_.Wall = stock(pictureName(game::CellKind::Wall), -1, 48, 552);
    for (int i = 0; i < 3; ++i) {
        w_.LeftWalk[i] = stock("LeftWalk", i, 96 + 48.0f * i, 456);
        w_.RightWalk[i] = stock("RightWalk", i, 96 + 48.0f * i, 504);
    }
    for (int i = 0; i < 5; ++i) {
        w_.LeftJump[i] = stock("LeftJump", i, 336 + 48.0f * i, 456);
        w_.RightJump[i] = stock("RightJump", i, 336 + 48.0f * i, 504);
    }
    for (int i = 0; i < 2; ++i) {
        w_.LeftNaku[i] = stock("LeftNaku", i, 584 + 48.0f * i, 456);
        w_.RightNaku[i] = stock("RightNaku", i, 584 + 48.0f * i, 504);
        w_.LeftNiko[i] = stock("LeftNiko", i, 680 + 48.0f * i, 456);
        w_.RightNiko[i] = stock("RightNiko", i, 680 + 48.0f * i, 504);
    }

    w_.Tile[0] = &add(Kind::Image, "Tile", 0, 0, 552 * kTw, 735, 735);
    for (int k = 1; k <= 81; ++k) {
        int c = (k - 1) % 9 + 1, r = (k - 1) / 9 + 1;
        w_.Tile[k] = &add(Kind::Image, "Tile", k, (448 + 48.0f * (c - 1)) * kTw,
                          48.0f * (r - 1) * kTw, 735, 735);
    }
    w_.AnimeFrame = &add(Kind::Image, "AnimeFrame", -1, 0, 456 * kTw, 735, 735);

    image("ButtonTray", -1, 432, 0, 144, 432, art("ButtonTray", 144, 432));
    image("Batti", -1, 432, 16, 144, 62, art("Batti", 144, 62));
    image("Stage", -1, 432, 200, 144, 62, art("Stage", 144, 62));
    image("MoriCount", -1, 432, 264, 144, 62, art("MoriCount", 144, 62));

    auto label = [&](const std::string& name, float x, float y, float w, float h,
                     const std::string& caption, float size) {
        forms::Control& c = add(Kind::Label, name, -1, x * kTw, y * kTw, w * kTw, h * kTw);
        c.Caption = caption;
        c.FontName = kTimes;
        c.FontSize = size;
        c.FontBold = true;
        return &c;
    };
    label("Stagelabel", 448, 224, 65, 33, QT_TRANSLATE_NOOP("Game", "Stage"), 18);
    w_.StageNo = label("StageNo", 512, 216, 49, 41, "14", 24);
    label("Label7", 448, 304, 49, 17, QT_TRANSLATE_NOOP("Game", "Green"), 12);
    label("Label9", 448, 272, 49, 25, QT_TRANSLATE_NOOP("Game", "Magic"), 12);
    label("Label10", 448, 288, 49, 17, QT_TRANSLATE_NOOP("Game", "Stone"), 12);
    const struct {
        const char* name;
        float y;
    } kTrayIcons[] = {{"Image1", 272.0f}, {"Stone", 288.0f}, {"Green", 304.0f}};
    for (const auto& [name, y] : kTrayIcons) {
        forms::Control& c = add(Kind::Image, name, -1, 496 * kTw, y * kTw, 17 * kTw, 17 * kTw);
        c.Stretch = true;
        c.setPicture(art(name));
    }

    auto textBox = [&](const std::string& name, int index, float x, float y, float w, float hTw,
                       const std::string& text) {
        forms::Control& c = add(Kind::TextBox, name, index, x * kTw, y * kTw, w * kTw, hTw);
        c.Text = text;
        return &c;
    };
    auto counter = [&](const std::string& name, float y, float hTw, const std::string& text,
                       forms::Color back, float size) {
        forms::Control* c = textBox(name, -1, 520, y, 49, hTw, text);
        c->BackColor = back;
        c->FontName = kGothic;
        c->FontSize = size;
        c->FontBold = true;
        return c;
    };
    w_.txtMagic = counter("txtMagic", 272, 336, "32", 0xFFC0FF, 11.25f);
    w_.txtStone = counter("txtStone", 288, 18 * kTw, "5", 0xC0FFFF, 10.5f);
    w_.txtGreen = counter("txtGreen", 304, 18 * kTw, "15/24", 0xC0FFC0, 10.5f);
    for (int i = 1; i <= 9; ++i) {
        w_.Text1[i] = textBox("Text1", i, 240, 456 + 16.0f * (i - 1), 81, 18 * kTw, "Text1");
        w_.Text1[i]->Enabled = false;
    }
    w_.Text4 = textBox("Text4", -1, 104, 560, 41, 18 * kTw, "Text4");
    w_.Text4->Enabled = false;
    w_.Text5 = textBox("Text5", -1, 152, 560, 41, 18 * kTw, "Text5");
    w_.Text5->Enabled = false;
    w_.Text6 = textBox("Text6", -1, 328, 456, 249, 18 * kTw, "Text6");

    auto button = [&](const std::string& name, float y) {
        forms::Control& c = add(Kind::PictureButton, name, -1, 432 * kTw, y * kTw,
                                kButtonWidth * kTw, kButtonHeight * kTw);
        c.setPicture(art(name, kButtonWidth, kButtonHeight));
        return &c;
    };
    Command1_ = button("Command1", 368);
    Command3_ = button("Command3", 400);

    for (int k = 1; k <= 81; ++k) {
        int c = (k - 1) % 9 + 1, r = (k - 1) / 9 + 1;
        forms::Control& box = add(Kind::PictureBox, "Ans", k, (240 + 16.0f * (c - 1)) * kTw,
                                  (80 + 16.0f * (r - 1)) * kTw, 12 * kTw, 12 * kTw);
        box.BackColor = 0xFFC0C0;
        w_.Ans[k] = &box;
    }

    w_.LeftWalkTimer = &addTimer("LeftWalkTimer", game::rules::kWalkTickMs);
    w_.RightWalkTimer = &addTimer("RightWalkTimer", game::rules::kWalkTickMs);
    w_.LeftJumpTimer = &addTimer("LeftJumpTimer", game::rules::kClimbStepMs);
    w_.RightJumpTimer = &addTimer("RightJumpTimer", game::rules::kClimbStepMs);
    w_.FallTimer = &addTimer("FallTimer", game::rules::kFallTickMs);
    w_.StageClearTimer = &addTimer("StageClearTimer", 2000);
    w_.GameOverTimer = &addTimer("GameOverTimer", 2000);
    w_.LeftWalkTimer->onTick = [this] { LeftWalkTimer_Timer(); };
    w_.RightWalkTimer->onTick = [this] { RightWalkTimer_Timer(); };
    w_.LeftJumpTimer->onTick = [this] { LeftJumpTimer_Timer(); };
    w_.RightJumpTimer->onTick = [this] { RightJumpTimer_Timer(); };
    w_.FallTimer->onTick = [this] { FallTimer_Timer(); };
    w_.StageClearTimer->onTick = [this] { StageClearTimer_Timer(); };
    w_.GameOverTimer->onTick = [this] { GameOverTimer_Timer(); };
}

}  // namespace ui
