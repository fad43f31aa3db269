// What the game window shows of the model: the stage as set up, each cast,
// the character's facing, and the walks and climbs the probes stop. The rules
// are the model's (LumoraBas); this only reads the sprite's position into it
// and paints what it changed.

#include "game/rules.h"
#include "ui/main_window.h"

namespace ui {
namespace {

using game::CellKind;
using game::rules::kCellPixels;
constexpr int kAnswerPixels = 12;
constexpr int kAnswerLeft = 450;
constexpr int kAnswerTop = 85;

// The stock picture a cell kind or an answer mark shows; none for empty.
forms::Control* pictureOf(GameWindow& w, CellKind kind) {
    switch (kind) {
        case CellKind::Sand:
            return w.Sand;
        case CellKind::Block:
            return w.Block;
        case CellKind::Water:
            return w.Water;
        case CellKind::Wall:
            return w.Wall;
        default:
            return nullptr;
    }
}

// An answer shows the same four pictures; its own marks ("O") show none.
forms::Control* pictureOf(GameWindow& w, game::AnswerMark mark) {
    const std::optional<CellKind> kind = game::kindShown(mark);
    return kind ? pictureOf(w, *kind) : nullptr;
}

}  // namespace

forms::Control& MainWindow::tile(int c, int r) {
    return *w_.Tile[static_cast<std::size_t>((r - 1) * 9 + c)];
}

// The debug fields show the file read last.
void MainWindow::showLines() {
    for (std::size_t i = 1; i <= 9; ++i) w_.Text1[i]->Text = bas_.MapLine[i];
}

void MainWindow::showGreen() {
    w_.txtGreen->Text = game::decimalText(bas_.BlockCount) + "/" + game::decimalText(bas_.BlockTarget);
}

std::optional<game::FileError> MainWindow::LoadStage() {
    const game::LumoraBas& b = bas_;
    if (auto e = bas_.LoadStage()) return e;
    showLines();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            forms::Control& t = tile(c, r);
            if (forms::Control* shown = pictureOf(w_, b.kindAt(c, r))) t.setPicture(*shown);
            t.Top = static_cast<float>(kCellPixels * (r - 1));
            t.Left = static_cast<float>(kCellPixels * (c - 1));
        }
    w_.AnimeFrame->Top = static_cast<float>(kCellPixels * (b.PlayerRow - 1));
    w_.AnimeFrame->Left = static_cast<float>(kCellPixels * (b.PlayerCol - 1));
    w_.StageNo->Caption = b.stageText();
    showGreen();
    w_.txtStone->Text = game::decimalText(b.WaterCount);
    w_.txtMagic->Text = game::decimalText(b.MagicCount);
    return std::nullopt;
}

std::optional<game::FileError> MainWindow::LoadAnswerMarks() {
    game::StageDesc answer;
    if (auto e = bas_.LoadAnswerMarks(answer)) return e;
    showLines();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            forms::Control& box = *w_.Ans[static_cast<std::size_t>((r - 1) * 9 + c)];
            const game::AnswerMark mark =
                answer.answer[static_cast<std::size_t>(game::boardIndex(c, r))];
            if (forms::Control* shown = pictureOf(w_, mark)) box.setPicture(*shown);
            if (mark == game::AnswerMark::Answer) box.BackColor = forms::kWhite;
            box.Height = kAnswerPixels;
            box.Width = kAnswerPixels;
            box.Top = static_cast<float>(kAnswerTop + kAnswerPixels * (r - 1));
            box.Left = static_cast<float>(kAnswerLeft + kAnswerPixels * (c - 1));
        }
    return std::nullopt;
}

void MainWindow::CastMagic() {
    const game::CastReport cast = bas_.CastMagic(w_.GameOverTimer->Enabled());
    if (cast.change) {
        const bool block = cast.change->after == CellKind::Block;
        tile(bas_.ClickCol, bas_.ClickRow).setPicture(block ? *w_.Block : *w_.Tile[0]);
        if (cast.change->water != 0) w_.txtStone->Text = game::decimalText(bas_.WaterCount);
        if (cast.change->blocks != 0) showGreen();
    }
    if (cast.change || cast.magicRanOut) w_.txtMagic->Text = game::decimalText(bas_.MagicCount);
    if (cast.gameOver) w_.GameOverTimer->setEnabled(true);
    if (cast.stageClear) w_.StageClearTimer->setEnabled(true);
}

void MainWindow::ShowFacingPicture() {
    if (bas_.FacingLeft == 1) w_.AnimeFrame->setPicture(*w_.LeftWalk[1]);
    if (bas_.FacingRight == 1) w_.AnimeFrame->setPicture(*w_.RightWalk[1]);
}

void MainWindow::UpdatePlayerCell() {
    bas_.UpdatePlayerCell(w_.AnimeFrame->Left, w_.AnimeFrame->Top);
}

void MainWindow::ProbeBelow() { bas_.ProbeBelow(w_.AnimeFrame->Left); }

void MainWindow::stopWalks() {
    w_.LeftWalkTimer->setEnabled(false);
    w_.RightWalkTimer->setEnabled(false);
}

void MainWindow::ProbeLeft() {
    if (bas_.ProbeLeft(w_.AnimeFrame->Top)) stopWalks();
}

void MainWindow::ProbeRight() {
    if (bas_.ProbeRight(w_.AnimeFrame->Top)) stopWalks();
}

void MainWindow::stopClimbs() {
    w_.LeftJumpTimer->setEnabled(false);
    w_.RightJumpTimer->setEnabled(false);
    ShowFacingPicture();
}

void MainWindow::ProbeLeftJump() {
    if (bas_.ProbeLeftJump()) stopClimbs();
}

void MainWindow::ProbeRightJump() {
    if (bas_.ProbeRightJump()) stopClimbs();
}

}  // namespace ui
