#include <variant>

#include "game/lumora_bas.h"

namespace game {
namespace {

std::string cellText(const std::string& line, int c) {
    auto i = static_cast<std::size_t>(c - 1);
    return i < line.size() ? line.substr(i, 1) : std::string{};
}

}  // namespace

std::optional<FileError> LumoraBas::LoadStage() {
    GameWindow& w = *Win;
    BlockCount = 0;
    WaterCount = 0;
    MagicCount = 0;
    intSucsessFrag = 0;
    int TileIndex = 1;

    FacingLeft = 1;
    FacingRight = 0;
    w.AnimeFrame->setPicture(*w.LeftWalk[1]);

    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            SandGrid[c][r] = 0;
            BlockGrid[c][r] = 0;
            WaterGrid[c][r] = 0;
            WallGrid[c][r] = 0;
            SolidGrid[c][r] = 0;
        }

    // A new game reads the save file too, but plays stage 1 whatever it holds,
    // so a missing or damaged save never stops it.
    auto saved = readSave();
    if (intStartFrag == 1) {
        intStageNo = 1;
        intStartFrag = 0;
    } else if (auto* e = std::get_if<FileError>(&saved)) {
        return *e;
    } else {
        intStageNo = std::get<std::int32_t>(saved);
    }

    const std::string file = stageFileName(*intStageNo);
    const MapRead read = readMapLines(AppFolder(), file);
    // Lines are taken in the order they were read, so the first problem in the
    // file is the one reported.
    for (int i = 1; i <= read.count; ++i) {
        MapLine[i] = read.lines[i];
        if (i <= 9) {
            w.Text1[i]->Text = MapLine[i];
        } else {
            auto n = stageFileNumber(file, i, MapLine[i]);
            if (auto* e = std::get_if<FileError>(&n)) return *e;
            (i == 10 ? BlockTarget : MagicCount) = std::get<std::int16_t>(n);
        }
    }
    if (read.error) return *read.error;

    bool foundStart = false;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            MapCell[c][r] = cellText(MapLine[r], c);
            const std::string& ch = MapCell[c][r];
            forms::Control& tile = *w.Tile[TileIndex];
            if (ch == "S") {
                tile.setPicture(*w.Sand);
                SandGrid[c][r] = 1;
                SolidGrid[c][r] = 1;
            } else if (ch == "B") {
                tile.setPicture(*w.Block);
                BlockGrid[c][r] = 1;
                SolidGrid[c][r] = 1;
                addClamped(BlockCount, 1);
            } else if (ch == "W") {
                tile.setPicture(*w.Water);
                WaterGrid[c][r] = 1;
                SolidGrid[c][r] = 1;
                addClamped(WaterCount, 1);
            } else if (ch == "K") {
                tile.setPicture(*w.Wall);
                WallGrid[c][r] = 1;
                SolidGrid[c][r] = 1;
            } else if (ch == "P") {
                w.AnimeFrame->Top = static_cast<float>(48 * (r - 1));
                w.AnimeFrame->Left = static_cast<float>(48 * (c - 1));
                PlayerCol = static_cast<std::int16_t>(c);
                PlayerRow = static_cast<std::int16_t>(r);
                foundStart = true;
            }
            tile.Top = static_cast<float>(48 * (r - 1));
            tile.Left = static_cast<float>(48 * (c - 1));
            ++TileIndex;
        }
    // Without a start cell the character would stand where no move can use it.
    if (!foundStart) return FileError{file + ": the board has no start cell \"P\""};

    w.StageNo->Caption = stageText();
    showGreen();
    w.txtStone->Text = decimalText(WaterCount);
    w.txtMagic->Text = decimalText(MagicCount);
    return std::nullopt;
}

std::optional<FileError> LumoraBas::LoadAnswerMarks() {
    GameWindow& w = *Win;
    int TileIndex = 1;
    const std::string file = answerFileName(intStageNo.value_or(0));
    auto read = readMapFile(AppFolder(), file);
    if (auto* e = std::get_if<FileError>(&read)) return *e;
    const MapLines& lines = std::get<MapLines>(read);
    for (int i = 1; i <= 11; ++i) {
        MapLine[i] = lines[i];
        if (i <= 9) w.Text1[i]->Text = MapLine[i];
    }
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            MapCell[c][r] = cellText(MapLine[r], c);
            const std::string& ch = MapCell[c][r];
            forms::Control& box = *w.Ans[TileIndex];
            if (ch == "S") {
                box.setPicture(*w.Sand);
            } else if (ch == "B") {
                box.setPicture(*w.Block);
            } else if (ch == "W") {
                box.setPicture(*w.Water);
            } else if (ch == "K") {
                box.setPicture(*w.Wall);
            } else if (ch == "O") {
                box.BackColor = forms::kWhite;
            }
            box.Height = 12;
            box.Width = 12;
            box.Top = static_cast<float>(85 + 12 * (r - 1));
            box.Left = static_cast<float>(450 + 12 * (c - 1));
            ++TileIndex;
        }
    return std::nullopt;
}

}  // namespace game
