#include "game/cast.h"
#include "game/lumora_bas.h"

namespace game {

void LumoraBas::ShowFacingPicture() {
    if (FacingLeft == 1) Win->AnimeFrame->setPicture(*Win->LeftWalk[1]);
    if (FacingRight == 1) Win->AnimeFrame->setPicture(*Win->RightWalk[1]);
}

// The grids say what a cell holds one flag a kind; a cast reads them in this
// order, a wall first.
CellKind LumoraBas::kindAt(int c, int r) const {
    if (WallGrid[c][r] == 1) return CellKind::Wall;
    if (WaterGrid[c][r] == 1) return CellKind::Water;
    if (SandGrid[c][r] == 1) return CellKind::Sand;
    if (BlockGrid[c][r] == 1) return CellKind::Block;
    return CellKind::Empty;
}

Grid* LumoraBas::gridOf(CellKind kind) {
    switch (kind) {
        case CellKind::Sand: return &SandGrid;
        case CellKind::Block: return &BlockGrid;
        case CellKind::Water: return &WaterGrid;
        case CellKind::Wall: return &WallGrid;
        case CellKind::Empty: break;
    }
    return nullptr;
}

// The cell and the counters as the cast leaves them, painted.
void LumoraBas::applyCast(int c, int r, CellKind before, const CastChange& change) {
    GameWindow& w = *Win;
    const bool block = change.after == CellKind::Block;
    w.Tile[static_cast<std::size_t>((r - 1) * 9 + c)]->setPicture(block ? *w.Block : *w.Tile[0]);
    SolidGrid[c][r] = block ? 1 : 0;
    if (Grid* was = gridOf(before)) (*was)[c][r] = 0;
    if (block) BlockGrid[c][r] = 1;
    if (change.water != 0) {
        addClamped(WaterCount, change.water);
        w.txtStone->Text = decimalText(WaterCount);
    }
    if (change.blocks != 0) {
        addClamped(BlockCount, change.blocks);
        showGreen();
    }
    addClamped(MagicCount, change.magic);
    w.txtMagic->Text = decimalText(MagicCount);
}

namespace {

// The board as the checks after a cast read it: the pools as counted.
struct JudgedGrids {
    const LumoraBas& bas;
    int water() const { return bas.WaterCount; }
    bool blockAt(int c, int r) const { return bas.blockAt(c, r) == 1; }
};

}  // namespace

void LumoraBas::CastMagic() {
    GameWindow& w = *Win;
    const int c = ClickCol, r = ClickRow;
    if (c < 1 || c > 9 || r < 1 || r > 9) return;
    const CellKind before = kindAt(c, r);
    if (before != CellKind::Wall) applyCast(c, r, before, castChange(before));

    const Judgement j = judgeCast(MagicCount, BlockCount, BlockTarget, JudgedGrids{*this});
    if (j.outOfMagic) {
        MagicCount = 0;
        w.txtMagic->Text = decimalText(MagicCount);
        w.GameOverTimer->setEnabled(true);
    }
    if (!j.countMet) return;
    if (j.waterLeft || j.touching) w.GameOverTimer->setEnabled(true);
    // The blocks of every look at the board add up over the stage.
    addClamped(intSucsessFrag, j.blocksSeen);
    if (!w.GameOverTimer->Enabled() && intSucsessFrag == BlockTarget)
        w.StageClearTimer->setEnabled(true);
}

}  // namespace game
