#include "ui/menu.h"

#include <algorithm>

#include "forms/program.h"
#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "game/translatable.h"

namespace ui {
namespace {

constexpr float kTw = 15.0f;

struct Place {
    const char* button;
    float x, y;
};

// Buttons placed at x = 336 lie right of the shrunken window: out of sight and
// out of reach.
constexpr Place kArrangements[3][5] = {
    {{"Command1", 72, 112},
     {"Command2", 72, 160},
     {"Command3", 72, 208},
     {"Command4", 336, 96},
     {"Command5", 336, 136}},
    {{"Command4", 72, 112},
     {"Command3", 72, 160},
     {"Command1", 336, 56},
     {"Command2", 336, 176},
     {"Command5", 336, 136}},
    {{"Command4", 72, 160},
     {"Command3", 72, 208},
     {"Command1", 336, 56},
     {"Command2", 336, 176},
     {"Command5", 72, 112}},
};

}  // namespace

Menu::Menu(forms::Program& program, game::LumoraBas& bas) : Form(program, kName), bas_(bas) {
    Caption = QT_TRANSLATE_NOOP("Game", " Menu");
    Width = 8745 + 6 * kTw;
    Height = 6540 + 24 * kTw;
    picture = {"Form", 288, 288};
    const Place layout[] = {{"Command1", 336, 56},
                            {"Command2", 336, 176},
                            {"Command3", 72, 208},
                            {"Command4", 72, 160},
                            {"Command5", 72, 112}};
    for (const Place& p : layout) {
        forms::Control& c = add(forms::Kind::PictureButton, p.button, -1, p.x * kTw, p.y * kTw,
                                kButtonWidth * kTw, kButtonHeight * kTw);
        c.setPicture(forms::Picture{p.button, kButtonWidth, kButtonHeight});
    }
}

void Menu::Form_Load() {
    bas_.TwipsPerPixel = program().screenTwipsPerPixel();
    const int mode = bas_.MenuMode;
    if (mode < 0 || mode > 2) return;
    for (const Place& p : kArrangements[mode]) {
        forms::Control* c = find(p.button);
        c->Left = p.x;
        c->Top = p.y;
    }
    if (bas_.TwipsPerPixel == 15.0f) {
        Height = mode == 1 ? 3965 : 4685;
        Width = 4405;
    } else {
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
            forms::Control* c = find(name);
            c->Height = 27;
            c->Width = 145;
        }
        Height = mode == 1 ? 3000 : 3800;
        Width = 3530;
    }
    if (mode == 1 || mode == 2) bas_.MenuMode = 0;
}

void Menu::click(const std::string& control) {
    if (control == "Command1") Command1_Click();
    if (control == "Command2") Command2_Click();
    if (control == "Command3") Command3_Click();
    if (control == "Command4") Command4_Click();
    if (control == "Command5") Command5_Click();
}

void Menu::reopenGame() {
    program().unload(MainWindow::kName);
    program().show(MainWindow::kName);
    program().unload(kName);
}

void Menu::Command1_Click() {
    program().unload(MainWindow::kName);
    bas_.intStartFrag = 1;
    bas_.intStageNo = 1;
    program().show(MainWindow::kName);
    program().unload(kName);
}

void Menu::Command2_Click() { reopenGame(); }

void Menu::Command3_Click() { program().end(); }

void Menu::Command4_Click() {
    bas_.intStageNo = bas_.intStageNo.value_or(0) + 1;
    if (*bas_.intStageNo == bas_.stageCount() + 1) bas_.intStageNo = 1;
    // The fresh game window takes its stage from this file.
    saveOrTell(program(), bas_);
    reopenGame();
}

void Menu::Command5_Click() { reopenGame(); }

std::vector<const forms::Control*> Menu::visibleButtons() const {
    std::vector<const forms::Control*> out;
    for (const forms::Control& c : controls()) {
        if (c.kind != forms::Kind::PictureButton) continue;
        if (c.Left + c.Width <= 0 || c.Top + c.Height <= 0) continue;
        if (c.Left >= static_cast<float>(clientWidth()) ||
            c.Top >= static_cast<float>(clientHeight()))
            continue;
        out.push_back(&c);
    }
    std::stable_sort(out.begin(), out.end(), [](const forms::Control* a, const forms::Control* b) {
        return a->Top < b->Top;
    });
    return out;
}

}  // namespace ui
