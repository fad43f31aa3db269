#include <variant>

#include "game/lumora_bas.h"
#include "game/rules.h"

namespace game {
namespace {

using rules::kCellPixels;
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
forms::Control* pictureOf(GameWindow& w, AnswerMark mark) {
    const std::optional<CellKind> kind = kindShown(mark);
    return kind ? pictureOf(w, *kind) : nullptr;
}

std::string cellText(const std::string& line, int c) {
    auto i = static_cast<std::size_t>(c - 1);
    return i < line.size() ? line.substr(i, 1) : std::string{};
}

}  // namespace

// The scratch buffers and the debug fields hold the file read last, as they
// always have.
void LumoraBas::keepLines(const MapLines& lines) {
    for (int i = 1; i <= 11; ++i) {
        MapLine[i] = lines[i];
        if (i <= 9) Win->Text1[i]->Text = MapLine[i];
    }
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) MapCell[c][r] = cellText(MapLine[r], c);
}

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

    MapLines lines{};
    auto read = readStageFile(AppFolder(), stageFileName(*intStageNo), &lines);
    keepLines(lines);
    if (auto* e = std::get_if<FileError>(&read)) return *e;
    const StageDesc& desc = std::get<StageDesc>(read);
    BlockTarget = desc.target;
    MagicCount = desc.magic;

    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            forms::Control& tile = *w.Tile[TileIndex];
            const CellKind kind = desc.at(c, r);
            if (forms::Control* picture = pictureOf(w, kind)) tile.setPicture(*picture);
            SandGrid[c][r] = kind == CellKind::Sand;
            BlockGrid[c][r] = kind == CellKind::Block;
            WaterGrid[c][r] = kind == CellKind::Water;
            WallGrid[c][r] = kind == CellKind::Wall;
            SolidGrid[c][r] = kind != CellKind::Empty;
            if (kind == CellKind::Block) addClamped(BlockCount, 1);
            if (kind == CellKind::Water) addClamped(WaterCount, 1);
            tile.Top = static_cast<float>(kCellPixels * (r - 1));
            tile.Left = static_cast<float>(kCellPixels * (c - 1));
            ++TileIndex;
        }
    w.AnimeFrame->Top = static_cast<float>(kCellPixels * (desc.startRow - 1));
    w.AnimeFrame->Left = static_cast<float>(kCellPixels * (desc.startCol - 1));
    PlayerCol = static_cast<std::int16_t>(desc.startCol);
    PlayerRow = static_cast<std::int16_t>(desc.startRow);

    w.StageNo->Caption = stageText();
    showGreen();
    w.txtStone->Text = decimalText(WaterCount);
    w.txtMagic->Text = decimalText(MagicCount);
    return std::nullopt;
}

std::optional<FileError> LumoraBas::LoadAnswerMarks() {
    GameWindow& w = *Win;
    int TileIndex = 1;
    StageDesc answer;
    MapLines lines{};
    if (auto e =
            readAnswerFile(AppFolder(), answerFileName(intStageNo.value_or(0)), answer, &lines))
        return e;
    keepLines(lines);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            forms::Control& box = *w.Ans[TileIndex];
            const AnswerMark mark = answer.answer[static_cast<std::size_t>(boardIndex(c, r))];
            if (forms::Control* picture = pictureOf(w, mark)) box.setPicture(*picture);
            if (mark == AnswerMark::Answer) box.BackColor = forms::kWhite;
            box.Height = kAnswerPixels;
            box.Width = kAnswerPixels;
            box.Top = static_cast<float>(kAnswerTop + kAnswerPixels * (r - 1));
            box.Left = static_cast<float>(kAnswerLeft + kAnswerPixels * (c - 1));
            ++TileIndex;
        }
    return std::nullopt;
}

}  // namespace game
