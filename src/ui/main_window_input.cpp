#include "ui/main_window.h"

namespace ui {

void MainWindow::Tile_MouseDown(int Index, int Button) {
    if (Index < 0 || Index > 81) return;
    game::LumoraBas& b = bas_;
    if (w_.StageClearTimer->Enabled() || w_.GameOverTimer->Enabled()) return;

    b.ClickCol = static_cast<std::int16_t>(Index % 9 == 0 ? 9 : Index % 9);
    w_.Text4->Text = game::decimalText(b.ClickCol);
    if (Index >= 1) b.ClickRow = static_cast<std::int16_t>((Index - 1) / 9 + 1);
    w_.Text5->Text = game::decimalText(b.ClickRow);

    // During a climb the click only moves the walk's target.
    if (w_.LeftJumpTimer->Enabled() || w_.RightJumpTimer->Enabled()) return;

    if (Button == 1) {
        if (b.PlayerCol > b.ClickCol) {
            b.FacingRight = 0;
            b.FacingLeft = 1;
            w_.RightWalkTimer->setEnabled(false);
            w_.LeftWalkTimer->setEnabled(true);
            w_.Text6->Text = "左向き";
        }
        if (b.PlayerCol < b.ClickCol) {
            b.FacingLeft = 0;
            b.FacingRight = 1;
            w_.LeftWalkTimer->setEnabled(false);
            w_.RightWalkTimer->setEnabled(true);
            w_.Text6->Text = "右向き";
        }
        return;
    }
    if (Button != 2) return;
    if (w_.LeftWalkTimer->Enabled() || w_.RightWalkTimer->Enabled()) return;

    if (b.ClickCol == b.PlayerCol && b.ClickRow == b.PlayerRow - 1) {
        CastMagic();
    } else if (b.ClickRow == b.PlayerRow && b.ClickCol == b.PlayerCol + 1) {
        CastMagic();
        b.FacingRight = 1;
        b.FacingLeft = 0;
        ShowFacingPicture();
    } else if (b.ClickRow == b.PlayerRow && b.ClickCol == b.PlayerCol - 1) {
        CastMagic();
        b.FacingRight = 0;
        b.FacingLeft = 1;
        ShowFacingPicture();
    } else if (b.ClickCol == b.PlayerCol && b.ClickRow == b.PlayerRow + 1) {
        if (!w_.FallTimer->Enabled()) CastMagic();
        ProbeBelow();
        w_.FallTimer->setEnabled(b.CanFall == 1);
        ShowFacingPicture();
    }
}

void MainWindow::Tile_MouseUp(int /*Index*/, int /*Button*/) {
    game::LumoraBas& b = bas_;
    if (w_.StageClearTimer->Enabled() || w_.GameOverTimer->Enabled()) return;
    b.CanFall = 0;
    ProbeBelow();
    if (w_.LeftJumpTimer->Enabled() || w_.RightJumpTimer->Enabled()) b.CanFall = 0;
    w_.FallTimer->setEnabled(b.CanFall == 1);
    ShowFacingPicture();
}

}  // namespace ui
