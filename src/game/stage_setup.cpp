#include <variant>

#include "game/lumora_bas.h"

namespace game {
namespace {

std::string cellText(const std::string& line, int c) {
    auto i = static_cast<std::size_t>(c - 1);
    return i < line.size() ? line.substr(i, 1) : std::string{};
}

}  // namespace

// The scratch buffers hold the file read last, as they always have.
void LumoraBas::keepLines(const MapLines& lines) {
    for (int i = 1; i <= 11; ++i) MapLine[i] = lines[i];
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) MapCell[c][r] = cellText(MapLine[r], c);
}

std::optional<FileError> LumoraBas::LoadStage() {
    BlockCount = 0;
    WaterCount = 0;
    MagicCount = 0;
    intSucsessFrag = 0;
    FacingLeft = 1;
    FacingRight = 0;

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
            const CellKind kind = desc.at(c, r);
            SandGrid[c][r] = kind == CellKind::Sand;
            BlockGrid[c][r] = kind == CellKind::Block;
            WaterGrid[c][r] = kind == CellKind::Water;
            WallGrid[c][r] = kind == CellKind::Wall;
            SolidGrid[c][r] = kind != CellKind::Empty;
            if (kind == CellKind::Block) addClamped(BlockCount, 1);
            if (kind == CellKind::Water) addClamped(WaterCount, 1);
        }
    PlayerCol = static_cast<std::int16_t>(desc.startCol);
    PlayerRow = static_cast<std::int16_t>(desc.startRow);
    return std::nullopt;
}

std::optional<FileError> LumoraBas::LoadAnswerMarks(StageDesc& answer) {
    MapLines lines{};
    if (auto e =
            readAnswerFile(AppFolder(), answerFileName(intStageNo.value_or(0)), answer, &lines))
        return e;
    keepLines(lines);
    return std::nullopt;
}

}  // namespace game
