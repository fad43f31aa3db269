#include "game/durable_file.h"
#include "game/file_reader.h"
#include "game/files.h"
#include "game/number_text.h"

namespace game {

FileResult<std::int32_t> readSaveFile(const std::string& folder) {
    const std::string name = kSaveFileName;
    Reader in(name, folderText(folder) + name);
    if (auto e = in.open(true)) return *e;
    std::string field;
    int ch;
    while ((ch = in.get()) != Reader::kEof && ch != ',' && ch != '\r') {
        if (field.size() >= kMaxLineBytes)
            return lineError(
                name, 0,
                phrase(kGameWords,
                       QT_TRANSLATE_NOOP("Game", "the first field is longer than %1 bytes"),
                       {static_cast<long long>(kMaxLineBytes)}));
        field.push_back(static_cast<char>(ch));
    }
    if (in.error()) return *in.error();
    if (field.find_first_not_of(" \t") == std::string::npos)
        return lineError(
            name, 0,
            phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "the file holds no stage number")));
    std::int32_t stage = parseStageNumber(field);
    if (stage < 0)
        return lineError(name, 0,
                         phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 is not a stage number"),
                                {quoteForMessage(field)}));
    return stage;
}

std::optional<FileError> writeSaveFile(const std::string& folder, std::int32_t stage) {
    return writeFileDurably(kSaveFileName, folderText(folder) + kSaveFileName,
                            std::to_string(stage) + "\r\n");
}

bool saveFileExists(const std::string& folder) {
    // A link that leads nowhere still counts: the next save reports it rather
    // than quietly putting a new file in its place.
    FileKind kind{};
    return fileIo().kindOf(folderText(folder) + kSaveFileName, false, kind) == 0;
}

std::optional<std::string> readSaveBytes(const std::string& folder) {
    auto bytes =
        readFileBytes(kSaveFileName, folderText(folder) + kSaveFileName, kMaxLineBytes + 1);
    if (std::holds_alternative<FileError>(bytes)) return std::nullopt;
    return std::get<std::string>(std::move(bytes));
}

}  // namespace game
