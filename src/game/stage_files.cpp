#include "game/file_reader.h"
#include "game/files.h"

namespace game {

std::string stageFileName(std::int32_t stage) { return "mmap" + std::to_string(stage) + ".bkm"; }
std::string answerFileName(std::int32_t stage) { return "amap" + std::to_string(stage) + ".bkm"; }

std::string folderText(const std::string& folder) {
    if (folder.empty()) return "./";
    if (folder.back() == '/') return folder;
    return folder + "/";
}

FileResult<std::string> readStageBytes(const std::string& folder, const std::string& fileName) {
    return readFileBytes(fileName, folderText(folder) + fileName, kMaxStageBytes);
}

FileResult<StageDesc> readStageFile(const std::string& folder, const std::string& fileName,
                                    MapLines* lines) {
    auto bytes = readStageBytes(folder, fileName);
    if (auto* e = std::get_if<FileError>(&bytes)) return *e;
    return parseStageText(fileName, std::get<std::string>(bytes), lines);
}

std::optional<FileError> readAnswerFile(const std::string& folder, const std::string& fileName,
                                        StageDesc& desc, MapLines* lines) {
    auto bytes = readStageBytes(folder, fileName);
    if (auto* e = std::get_if<FileError>(&bytes)) return *e;
    return parseAnswerText(fileName, std::get<std::string>(bytes), desc, lines);
}

MapRead readMapLines(const std::string& folder, const std::string& fileName) {
    auto bytes = readStageBytes(folder, fileName);
    if (auto* e = std::get_if<FileError>(&bytes)) return MapRead{{}, 0, *e};
    return splitMapLines(fileName, std::get<std::string>(bytes));
}

FileResult<MapLines> readMapFile(const std::string& folder, const std::string& fileName) {
    MapRead read = readMapLines(folder, fileName);
    if (read.error) return *read.error;
    return read.lines;
}

}  // namespace game
