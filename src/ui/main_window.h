#pragma once

#include <array>
#include <optional>
#include <string>

#include "forms/form.h"
#include "game/lumora_bas.h"
#include "ui/game_window.h"

namespace ui {

// The picture buttons of both windows, in pixels.
inline constexpr int kButtonWidth = 144;
inline constexpr int kButtonHeight = 28;

// The game window: the board, the sprite, the tray and the timers that make
// the character move.
class MainWindow : public forms::Form {
public:
    static constexpr const char* kName = "MainWindow";

    MainWindow(forms::Program& program, game::LumoraBas& bas);
    ~MainWindow() override;

    GameWindow& controls() { return w_; }
    const GameWindow& controls() const { return w_; }

    void Form_Load() override;
    void Form_Unload() override;
    void click(const std::string& control) override;
    void mouseDown(forms::Control& control, int button) override;
    void mouseUp(forms::Control& control, int button) override;
    bool takesMouse(const forms::Control& control) const override;

    void Tile_MouseDown(int Index, int Button);
    void Tile_MouseUp(int Index, int Button);
    void Command1_Click();
    void Command3_Click();

    void LeftWalkTimer_Timer();
    void RightWalkTimer_Timer();
    void LeftJumpTimer_Timer();
    void RightJumpTimer_Timer();
    void FallTimer_Timer();
    void StageClearTimer_Timer();
    void GameOverTimer_Timer();

    // The game module's procedures on this window: each runs the model's
    // rule and shows what it changed.
    std::optional<game::FileError> LoadStage();
    std::optional<game::FileError> LoadAnswerMarks();
    void CastMagic();
    void ShowFacingPicture();
    void UpdatePlayerCell();
    void ProbeLeft();
    void ProbeRight();
    void ProbeBelow();
    void ProbeLeftJump();
    void ProbeRightJump();

private:
    struct WalkSide {
        forms::Timer& jumpTimer;
        const std::array<forms::Control*, 3>& pictures;
        std::int16_t& frame;
        std::int16_t& frameStep;
        float step;
        void (MainWindow::*probe)();
        void (MainWindow::*probeJump)();
        const std::int16_t& canWalk;
        const std::int16_t& canJump;
    };
    void walkTick(const WalkSide& side);
    void buildLayout();
    forms::Control& tile(int c, int r);
    void showLines();
    void showGreen();
    void stopWalks();
    void stopClimbs();
    void relayTray();
    void playOutcome(forms::Timer& timer, std::int16_t& frame,
                     const std::array<forms::Control*, 2>& pictures, std::int16_t menuMode);

    game::LumoraBas& bas_;
    GameWindow w_;
    forms::Control* Command1_ = nullptr;
    forms::Control* Command3_ = nullptr;
};

}  // namespace ui
