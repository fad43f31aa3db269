#include "game/lumora_bas.h"

namespace game {

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

// The grids and the counters as the cast leaves them.
void LumoraBas::applyCast(int c, int r, CellKind before, const CastChange& change) {
    const bool block = change.after == CellKind::Block;
    SolidGrid[c][r] = block ? 1 : 0;
    if (Grid* was = gridOf(before)) (*was)[c][r] = 0;
    if (block) BlockGrid[c][r] = 1;
    addClamped(WaterCount, change.water);
    addClamped(BlockCount, change.blocks);
    addClamped(MagicCount, change.magic);
}

namespace {

// The board as the checks after a cast read it: the pools as counted.
struct JudgedGrids {
    const LumoraBas& bas;
    int water() const { return bas.WaterCount; }
    bool blockAt(int c, int r) const { return bas.blockAt(c, r) == 1; }
};

}  // namespace

CastReport LumoraBas::CastMagic(bool gameOverRunning) {
    CastReport report;
    const int c = ClickCol, r = ClickRow;
    if (c < 1 || c > 9 || r < 1 || r > 9) return report;
    const CellKind before = kindAt(c, r);
    if (before != CellKind::Wall) {
        report.change = castChange(before);
        applyCast(c, r, before, *report.change);
    }

    const Judgement j = judgeCast(MagicCount, BlockCount, BlockTarget, JudgedGrids{*this});
    if (j.outOfMagic) {
        MagicCount = 0;
        report.magicRanOut = true;
        report.gameOver = true;
    }
    if (!j.countMet) return report;
    if (j.waterLeft || j.touching) report.gameOver = true;
    // Every look at the board counts its blocks, BlockCount of them, and the
    // counts add up over the stage.
    addClamped(intSucsessFrag, BlockCount);
    report.stageClear = !gameOverRunning && !report.gameOver && intSucsessFrag == BlockTarget;
    return report;
}

}  // namespace game
