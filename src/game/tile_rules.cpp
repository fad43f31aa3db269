#include "game/lumora_bas.h"
#include "game/rules.h"

namespace game {

void LumoraBas::ShowFacingPicture() {
    if (FacingLeft == 1) Win->AnimeFrame->setPicture(*Win->LeftWalk[1]);
    if (FacingRight == 1) Win->AnimeFrame->setPicture(*Win->RightWalk[1]);
}

void LumoraBas::CastMagic() {
    GameWindow& w = *Win;
    const int c = ClickCol, r = ClickRow;
    if (c < 1 || c > 9 || r < 1 || r > 9) return;
    forms::Control& tile = *w.Tile[static_cast<std::size_t>((r - 1) * 9 + c)];

    if (WallGrid[c][r] == 1) {
        // Walls never change, but the cast still counts below.
    } else if (WaterGrid[c][r] == 1) {
        tile.setPicture(*w.Tile[0]);
        SolidGrid[c][r] = 0;
        WaterGrid[c][r] = 0;
        addClamped(WaterCount, -1);
        w.txtStone->Text = decimalText(WaterCount);
        addClamped(MagicCount, -rules::kClearWaterCost);
        w.txtMagic->Text = decimalText(MagicCount);
    } else if (SandGrid[c][r] == 1) {
        tile.setPicture(*w.Tile[0]);
        SolidGrid[c][r] = 0;
        SandGrid[c][r] = 0;
        addClamped(MagicCount, rules::kSandGain);
        w.txtMagic->Text = decimalText(MagicCount);
    } else if (BlockGrid[c][r] == 1) {
        tile.setPicture(*w.Tile[0]);
        SolidGrid[c][r] = 0;
        BlockGrid[c][r] = 0;
        addClamped(BlockCount, -1);
        showGreen();
        addClamped(MagicCount, rules::kRemoveBlockGain);
        w.txtMagic->Text = decimalText(MagicCount);
    } else {
        tile.setPicture(*w.Block);
        SolidGrid[c][r] = 1;
        BlockGrid[c][r] = 1;
        addClamped(BlockCount, 1);
        showGreen();
        addClamped(MagicCount, -rules::kPlaceBlockCost);
        w.txtMagic->Text = decimalText(MagicCount);
    }

    if (MagicCount < rules::kLeastMagicLeft) {
        MagicCount = 0;
        w.txtMagic->Text = decimalText(MagicCount);
        w.GameOverTimer->setEnabled(true);
    }

    if (BlockCount == BlockTarget) {
        if (WaterCount != 0) w.GameOverTimer->setEnabled(true);
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                if (BlockGrid[x][y] != 1) continue;
                if (blockAt(x, y - 1) == 1 || blockAt(x, y + 1) == 1 || blockAt(x + 1, y) == 1 ||
                    blockAt(x - 1, y) == 1)
                    w.GameOverTimer->setEnabled(true);
                addClamped(intSucsessFrag, 1);
            }
        if (!w.GameOverTimer->Enabled() && intSucsessFrag == BlockTarget)
            w.StageClearTimer->setEnabled(true);
    }
}

}  // namespace game
