#include "game/lumora_bas.h"

#include <algorithm>

#include "game/save_folder.h"

namespace game {

LumoraBas::LumoraBas(std::string programFolder) : LumoraBas(programFolder, programFolder) {}

LumoraBas::LumoraBas(std::string stageFolder, std::string saveFolder, int stageCount)
    : folder_(std::move(stageFolder)),
      saveFolder_(std::move(saveFolder)),
      stageCount_(stageCount) {}

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

std::string LumoraBas::saveFolder() const { return folderText(saveFolder_); }

std::optional<FileError> LumoraBas::writeSave(std::int32_t stage) {
    std::optional<FileError> e = makeSaveFolder(saveFolder_);
    if (!e) e = writeSaveFile(saveFolder(), stage);
    if (!e) {
        unsaved_.reset();
        lastSaveError_.clear();
        return std::nullopt;
    }
    unsaved_ = stage;
    if (e->message == lastSaveError_) return std::nullopt;
    lastSaveError_ = e->message;
    return e;
}

std::optional<FileError> LumoraBas::WriteSaveFile() { return writeSave(intStageNo.value_or(0)); }

std::optional<FileError> LumoraBas::ensureSaveFile() {
    if (saveFileExists(saveFolder())) return std::nullopt;
    return writeSave(1);
}

FileResult<std::int32_t> LumoraBas::readSave() const {
    if (unsaved_) return *unsaved_;
    return readSaveFile(saveFolder());
}

}  // namespace game
