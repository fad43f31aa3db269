#include "game/pack.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "game/durable_file.h"
#include "game/file_reader.h"
#include "game/files.h"
#include "game/save_folder.h"

namespace game {
namespace {

constexpr std::size_t kMaxPackBytes = kMaxLineBytes;
constexpr std::string_view kSection = "Pack";
constexpr const char* kLineEnd = "\r\n";

enum class Key { Name, Author, License, Stages };
struct KeyName {
    Key key;
    std::string_view text;
};
constexpr KeyName kKeys[] = {
    {Key::Name, "Name"},
    {Key::Author, "Author"},
    {Key::License, "License"},
    {Key::Stages, "Stages"},
};

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Keys and the section name are matched as people type them, any case.
bool sameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// 1..kMaxPackStages written as digits alone, or 0.
int stageCountOf(std::string_view text) {
    if (text.empty() || text.size() > 3) return 0;
    int n = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') return 0;
        n = n * 10 + (ch - '0');
    }
    return n <= kMaxPackStages ? n : 0;
}

// Takes one "Key=value" line of the [Pack] section into `info`.
std::optional<FileError> takeSetting(int lineNo, std::string_view key, std::string_view value,
                                     PackInfo& info) {
    for (const KeyName& k : kKeys) {
        if (!sameWord(key, k.text)) continue;
        switch (k.key) {
            case Key::Name:
                info.name = value;
                break;
            case Key::Author:
                info.author = value;
                break;
            case Key::License:
                info.license = value;
                break;
            case Key::Stages:
                info.stageCount = stageCountOf(value);
                if (info.stageCount == 0)
                    return lineError(kPackFileName, lineNo,
                                     "Stages " + quoteForMessage(std::string(value)) +
                                         " is not a whole number from 1 to " +
                                         std::to_string(kMaxPackStages));
                break;
        }
    }
    return std::nullopt;
}

std::optional<FileError> checkReadsBack(int n, const StageDesc& desc) {
    const std::string file = stageFileName(n);
    auto again = parseStageText(file, writeStageText(desc));
    if (auto* e = std::get_if<FileError>(&again)) return *e;
    StageDesc& read = std::get<StageDesc>(again);
    if (auto e = parseAnswerText(answerFileName(n), writeAnswerText(desc), read)) return e;
    if (read != desc) return lineError(file, 0, "the start cell \"P\" must be empty to be written");
    return std::nullopt;
}

}  // namespace

FileResult<PackInfo> parsePackText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    PackInfo info;
    bool inPack = false;
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (raw.ends_with('\r')) raw.remove_suffix(1);
        const std::string_view line = trimBlanks(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            if (!line.ends_with(']'))
                return lineError(kPackFileName, lineNo,
                                 quoteForMessage(std::string(line)) + " is not a section name");
            inPack = sameWord(trimBlanks(line.substr(1, line.size() - 2)), kSection);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return lineError(kPackFileName, lineNo,
                             quoteForMessage(std::string(line)) + " is not a setting (Key=value)");
        if (!inPack) continue;
        if (auto e = takeSetting(lineNo, trimBlanks(line.substr(0, eq)),
                                 trimBlanks(line.substr(eq + 1)), info))
            return *e;
    }
    if (info.stageCount == 0)
        return lineError(kPackFileName, 0, "the [Pack] section has no Stages setting");
    return info;
}

std::string writePackText(const PackInfo& info) {
    std::string s = "[" + std::string(kSection) + "]" + kLineEnd;
    const std::string values[] = {info.name, info.author, info.license,
                                  std::to_string(info.stageCount)};
    for (std::size_t i = 0; i < std::size(kKeys); ++i)
        s += std::string(kKeys[i].text) + "=" + values[i] + kLineEnd;
    return s;
}

bool isPack(const std::string& folder) {
    FileKind kind{};
    return fileIo().kindOf(folderText(folder) + kPackFileName, false, kind) == 0;
}

FileResult<PackInfo> readPackInfo(const std::string& folder) {
    auto bytes =
        readFileBytes(kPackFileName, folderText(folder) + kPackFileName, kMaxPackBytes + 1);
    if (auto* e = std::get_if<FileError>(&bytes)) return *e;
    const std::string& text = std::get<std::string>(bytes);
    if (text.size() > kMaxPackBytes)
        return lineError(kPackFileName, 0,
                         "the file is longer than " + std::to_string(kMaxPackBytes) + " bytes");
    return parsePackText(text);
}

FileResult<int> folderStageCount(const std::string& folder) {
    if (!isPack(folder)) return kStageCount;
    auto info = readPackInfo(folder);
    if (auto* e = std::get_if<FileError>(&info)) return *e;
    return std::get<PackInfo>(info).stageCount;
}

namespace {

// Stages 1..count of the folder with their answers, after `pack`'s info.
FileResult<Pack> readStages(const std::string& folder, Pack pack) {
    for (int n = 1; n <= pack.info.stageCount; ++n) {
        auto stage = readStageFile(folder, stageFileName(n));
        if (auto* e = std::get_if<FileError>(&stage)) return *e;
        StageDesc& desc = std::get<StageDesc>(stage);
        if (auto e = readAnswerFile(folder, answerFileName(n), desc)) return *e;
        pack.stages.push_back(desc);
    }
    return pack;
}

}  // namespace

FileResult<Pack> openPack(const std::string& folder) {
    auto info = readPackInfo(folder);
    if (auto* e = std::get_if<FileError>(&info)) return *e;
    return readStages(folder, Pack{std::get<PackInfo>(info), {}});
}

FileResult<Pack> openGameStages(const std::string& folder) {
    return readStages(folder,
                      Pack{PackInfo{kGameStagesName, "", kGameStagesLicense, kStageCount}, {}});
}

std::optional<FileError> checkPackFolder(const std::string& folder) {
    FileKind kind{};
    if (const int err = fileIo().kindOf(folder, true, kind); err == -ENOENT) return std::nullopt;
    std::vector<std::string> names;
    if (const int err = fileIo().listFolder(folder, names); err < 0)
        return cannot(kPackFileName, "read the folder", folder, describeErrno(-err));
    if (names.empty() || isPack(folder)) return std::nullopt;
    return FileError{folder + " holds files that are not a pack; choose an empty folder"};
}

std::optional<FileError> writePack(const std::string& folder, const Pack& pack) {
    const int count = static_cast<int>(pack.stages.size());
    if (count < 1 || count > kMaxPackStages || count != pack.info.stageCount)
        return lineError(kPackFileName, 0,
                         "Stages is " + std::to_string(pack.info.stageCount) +
                             " and the pack holds " + std::to_string(count) +
                             " stages: both must be the same, from 1 to " +
                             std::to_string(kMaxPackStages));
    auto info = parsePackText(writePackText(pack.info));
    if (const auto* back = std::get_if<PackInfo>(&info); back == nullptr || *back != pack.info)
        return lineError(kPackFileName, 0,
                         "a name, author or licence with a line break or blanks at either end "
                         "would not read back as it is");
    for (int n = 1; n <= count; ++n)
        if (auto e = checkReadsBack(n, pack.stages[static_cast<std::size_t>(n - 1)])) return e;

    if (auto e = makeFolderFor(folder, kPackFileName)) return e;
    auto put = [&](const std::string& name, const std::string& bytes) {
        return writeFileDurably(name, folderText(folder) + name, bytes);
    };
    for (int n = 1; n <= count; ++n) {
        const StageDesc& desc = pack.stages[static_cast<std::size_t>(n - 1)];
        if (auto e = put(stageFileName(n), writeStageText(desc))) return e;
        if (auto e = put(answerFileName(n), writeAnswerText(desc))) return e;
    }
    return put(kPackFileName, writePackText(pack.info));
}

}  // namespace game
