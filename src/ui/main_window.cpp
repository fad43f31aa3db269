#include "ui/main_window.h"

#include "forms/program.h"
#include "ui/lumora_program.h"
#include "ui/menu.h"

namespace ui {

MainWindow::MainWindow(forms::Program& program, game::LumoraBas& bas)
    : Form(program, kName), bas_(bas) {
    buildLayout();
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load() {
    if (bas_.TwipsPerPixel == 15.0f) {
        Height = 6835;
        Width = 8725;
    } else {
        Height = 6950;
        Width = 8730;
        relayTray();
    }
    bas_.OnColumn = 1;
    bas_.OnRow = 1;
    // A climb cut short by Try Again or Exit must not leave the next one half
    // done: every climb rises one cell and steps one column from its first tick.
    // The walk frames are left alone; the legs go on where they stopped.
    for (std::int16_t* counter :
         {&bas_.LeftJumpPhase, &bas_.LeftJumpFrame, &bas_.LeftJumpFrameStep, &bas_.RightJumpPhase,
          &bas_.RightJumpFrame, &bas_.RightJumpFrameStep})
        *counter = 0;
    w_.AnimeFrame->setPicture(*w_.LeftWalk[1]);
    // A stage that cannot be built ends the program here, before the window
    // is ever shown half made.
    if (auto e = LoadStage()) throw forms::FatalError(e->words);
    if (auto e = LoadAnswerMarks()) throw forms::FatalError(e->words);
}

// On screens other than 96 dots per inch the tray is laid out again in pixels,
// step by step, each value read from the controls placed before it.
void MainWindow::relayTray() {
    auto c = [this](const char* name) -> forms::Control& { return *find(name); };
    for (forms::Control* b : {Command1_, Command3_}) {
        b->Height = 27;
        b->Width = 145;
    }
    forms::Control& tray = c("ButtonTray");
    tray.Left = 432;
    tray.Top = 0;
    forms::Control& batti = c("Batti");
    batti.Left = tray.Left;
    batti.Top = 10;
    forms::Control& stage = c("Stage");
    stage.Left = tray.Left;
    stage.Top = 10;
    forms::Control& mori = c("MoriCount");
    mori.Left = tray.Left;
    mori.Top = 265;
    forms::Control& stageLabel = c("Stagelabel");
    stageLabel.Left = stage.Left + 15;
    stageLabel.Top = stage.Top + 18;
    stageLabel.FontSize = 16;
    forms::Control& stageNo = c("StageNo");
    stageNo.Left = stageLabel.Left + 70;
    stageNo.Top = stageLabel.Top - 3;
    stageNo.FontSize = 18;
    forms::Control& label9 = c("Label9");
    label9.Left = mori.Left + 15;
    label9.Top = mori.Top + 8;
    label9.FontSize = 11;
    forms::Control& label10 = c("Label10");
    label10.Left = label9.Left;
    label10.Top = label9.Top + 15;
    label10.FontSize = 11;
    forms::Control& label7 = c("Label7");
    label7.Left = label9.Left;
    label7.Top = label10.Top + 15;
    label7.FontSize = 11;
    forms::Control& image1 = c("Image1");
    image1.Left = label9.Left + 55;
    image1.Top = label9.Top;
    image1.Height = 18;
    image1.Width = 18;
    forms::Control& stone = c("Stone");
    stone.Left = image1.Left;
    stone.Top = label10.Top;
    stone.Height = 18;
    stone.Width = 18;
    forms::Control& green = c("Green");
    green.Left = image1.Left;
    green.Top = label7.Top;
    green.Height = 18;
    green.Width = 18;
    auto counter = [](forms::Control& box, const forms::Control& icon) {
        box.FontSize = 6;
        box.Left = icon.Left + 24;
        box.Top = icon.Top;
        box.Height = 18;
        box.Width = 40;
    };
    counter(*w_.txtMagic, image1);
    counter(*w_.txtStone, stone);
    counter(*w_.txtGreen, green);
    Command1_->Left = tray.Left;
    Command1_->Top = 369;
    Command3_->Left = tray.Left;
    Command3_->Top = 400;
}

void MainWindow::Form_Unload() { saveOrTell(program(), bas_); }

void MainWindow::click(const std::string& control) {
    if (control == "Command1") Command1_Click();
    if (control == "Command3") Command3_Click();
}

bool MainWindow::takesMouse(const forms::Control& control) const { return control.name == "Tile"; }

void MainWindow::mouseDown(forms::Control& control, int button) {
    if (control.name == "Tile") Tile_MouseDown(control.index, button);
}

void MainWindow::mouseUp(forms::Control& control, int button) {
    if (control.name == "Tile") Tile_MouseUp(control.index, button);
}

// Try Again: the fresh window takes the stage back from the save file.
void MainWindow::Command1_Click() {
    saveOrTell(program(), bas_);
    program().unload(kName);
    program().show(kName);
}

// The save is left to Form_Unload, which writes the same number a moment later.
void MainWindow::Command3_Click() {
    bas_.MenuMode = 0;
    program().show(Menu::kName);
    program().unload(kName);
}

void MainWindow::playOutcome(forms::Timer& timer, std::int16_t& frame,
                             const std::array<forms::Control*, 2>& pictures,
                             std::int16_t menuMode) {
    if (frame == 2) {
        frame = 0;
        timer.setEnabled(false);
        bas_.MenuMode = menuMode;
        program().show(Menu::kName);
        program().unload(kName);
        return;
    }
    // The counters only ever hold 0, 1 or 2; anything else starts the pair over.
    if (frame < 0 || frame > 2) frame = 0;
    w_.AnimeFrame->setPicture(*pictures[static_cast<std::size_t>(frame)]);
    ++frame;
    if (frame == 1) timer.setInterval(2000);
    if (frame == 2) timer.setInterval(4000);
}

void MainWindow::StageClearTimer_Timer() {
    if (bas_.FacingLeft == 1)
        playOutcome(*w_.StageClearTimer, bas_.StageClearLeftFrame, w_.LeftNiko, 1);
    if (bas_.FacingRight == 1)
        playOutcome(*w_.StageClearTimer, bas_.StageClearRightFrame, w_.RightNiko, 1);
}

void MainWindow::GameOverTimer_Timer() {
    if (bas_.FacingLeft == 1)
        playOutcome(*w_.GameOverTimer, bas_.GameOverLeftFrame, w_.LeftNaku, 2);
    if (bas_.FacingRight == 1)
        playOutcome(*w_.GameOverTimer, bas_.GameOverRightFrame, w_.RightNaku, 2);
}

}  // namespace ui
