#include "game/lumora_bas.h"

#include <algorithm>

namespace game {

LumoraBas::LumoraBas(std::string programFolder) : folder_(std::move(programFolder)) {}

std::string decimalText(long value) { return std::to_string(value); }

void addClamped(std::int16_t& value, int delta) {
    value = static_cast<std::int16_t>(std::clamp(value + delta, INT16_MIN, INT16_MAX));
}

std::int16_t LumoraBas::solidAt(int c, int r) const {
    if (c < 0 || r < 0 || c > 9 || r > 9) return 1;
    return SolidGrid[c][r];
}

std::int16_t LumoraBas::blockAt(int c, int r) const {
    if (c < 0 || r < 0 || c > 9 || r > 9) return 0;
    return BlockGrid[c][r];
}

std::string LumoraBas::AppFolder() const { return folderText(folder_); }

std::string LumoraBas::stageText() const {
    return intStageNo ? decimalText(*intStageNo) : std::string{};
}

std::optional<FileError> LumoraBas::WriteSaveFile() {
    return writeSaveFile(AppFolder(), intStageNo.value_or(0));
}

std::optional<FileError> LumoraBas::ensureSaveFile() {
    if (saveFileExists(AppFolder())) return std::nullopt;
    return writeSaveFile(AppFolder(), 1);
}

void LumoraBas::showGreen() {
    Win->txtGreen->Text = decimalText(BlockCount) + "/" + decimalText(BlockTarget);
}

}  // namespace game
