#include "game/rules.h"
#include "ui/main_window.h"

namespace ui {
namespace rules = game::rules;
namespace {

// The frame counters only run within their picture sets; this keeps a picture
// lookup inside the set whatever they hold.
template <std::size_t N>
forms::Control& frameOf(const std::array<forms::Control*, N>& set, int frame) {
    if (frame < 0) frame = 0;
    if (frame >= static_cast<int>(N)) frame = static_cast<int>(N) - 1;
    return *set[static_cast<std::size_t>(frame)];
}

void stepFrame(std::int16_t& frame, std::int16_t& step, int last) {
    if (frame == 0) step = 1;
    if (frame == last) step = -1;
    frame = static_cast<std::int16_t>(frame + step);
}

}  // namespace

// One tick of a click-walk, the same both ways but for the names and the sign
// of the step. While the climb it started runs, the tick only tracks the cell.
void MainWindow::walkTick(const WalkSide& side) {
    game::LumoraBas& b = bas_;
    forms::Control& sprite = *w_.AnimeFrame;
    if (!side.jumpTimer.Enabled()) {
        stepFrame(side.frame, side.frameStep, 2);
        sprite.setPicture(frameOf(side.pictures, side.frame));
    }
    if (!side.jumpTimer.Enabled()) {
        ProbeBelow();
        if (b.CanFall == 1) {
            // The walk pauses, animating on the spot, until the landing.
            w_.FallTimer->setEnabled(true);
        } else if (b.OnColumn != 1) {
            sprite.Left = sprite.Left + side.step;
        } else {
            (this->*side.probe)();
            if (side.canWalk == 1) {
                sprite.Left = sprite.Left + side.step;
            } else if (side.canWalk == 0) {
                (this->*side.probeJump)();
                if (side.canJump == 1) side.jumpTimer.setEnabled(true);
            }
        }
    }
    UpdatePlayerCell();
}

void MainWindow::LeftWalkTimer_Timer() {
    game::LumoraBas& b = bas_;
    walkTick({*w_.LeftJumpTimer, w_.LeftWalk, b.WalkFrame, b.WalkFrameStep, -rules::kWalkStepPixels,
              &MainWindow::ProbeLeft, &MainWindow::ProbeLeftJump, b.CanWalkLeft,
              b.CanJumpLeft});
}

void MainWindow::RightWalkTimer_Timer() {
    game::LumoraBas& b = bas_;
    walkTick({*w_.RightJumpTimer, w_.RightWalk, b.RightWalkFrame, b.RightWalkFrameStep,
              rules::kWalkStepPixels, &MainWindow::ProbeRight,
              &MainWindow::ProbeRightJump, b.CanWalkRight, b.CanJumpRight});
}

namespace {

// One tick of a climb: two pictures on the spot, up 48 pixels in two steps,
// a pause at the top, then 48 pixels sideways in four steps.
template <class UpdateCell>
void climbTick(forms::Timer& timer, forms::Control& sprite,
               const std::array<forms::Control*, 5>& pictures, std::int16_t& frame,
               std::int16_t& step, std::int16_t& phase, float sideways, UpdateCell updateCell) {
    stepFrame(frame, step, 4);
    phase = static_cast<std::int16_t>(phase + 1);
    sprite.setPicture(frameOf(pictures, frame));
    switch (phase) {
        case 2:
            timer.setInterval(rules::kClimbCrouchMs);
            break;
        case 3:
            timer.setInterval(rules::kClimbRiseMs);
            sprite.Top = sprite.Top - rules::kClimbRisePixels;
            break;
        case 4:
            timer.setInterval(rules::kClimbTopMs);
            sprite.Top = sprite.Top - rules::kClimbRisePixels;
            break;
        case 5:
            timer.setInterval(rules::kClimbStepMs);
            sprite.Left = sprite.Left + sideways;
            break;
        case 6:
        case 7:
            sprite.Left = sprite.Left + sideways;
            break;
        case 8:
            sprite.Left = sprite.Left + sideways;
            phase = 0;
            updateCell();
            timer.setEnabled(false);
            break;
        default:
            break;
    }
    updateCell();
}

}  // namespace

void MainWindow::LeftJumpTimer_Timer() {
    game::LumoraBas& b = bas_;
    climbTick(*w_.LeftJumpTimer, *w_.AnimeFrame, w_.LeftJump, b.LeftJumpFrame, b.LeftJumpFrameStep,
              b.LeftJumpPhase, -rules::kClimbSidePixels, [this] { UpdatePlayerCell(); });
}

void MainWindow::RightJumpTimer_Timer() {
    game::LumoraBas& b = bas_;
    climbTick(*w_.RightJumpTimer, *w_.AnimeFrame, w_.RightJump, b.RightJumpFrame,
              b.RightJumpFrameStep, b.RightJumpPhase, rules::kClimbSidePixels,
              [this] { UpdatePlayerCell(); });
}

void MainWindow::FallTimer_Timer() {
    game::LumoraBas& b = bas_;
    if (w_.LeftJumpTimer->Enabled()) return;
    w_.AnimeFrame->Top = w_.AnimeFrame->Top + rules::kFallStepPixels;
    UpdatePlayerCell();
    ProbeBelow();
    if (w_.LeftJumpTimer->Enabled() || w_.RightJumpTimer->Enabled()) b.CanFall = 0;
    w_.FallTimer->setEnabled(b.CanFall == 1);
}

}  // namespace ui
