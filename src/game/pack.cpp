#include "game/pack.h"

#include <algorithm>
#include <cctype>

#include "game/file_reader.h"
#include "game/files.h"

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
                    return lineError(
                        kPackFileName, lineNo,
                        phrase(kGameWords,
                               QT_TRANSLATE_NOOP("Game",
                                                 "Stages %1 is not a whole number from 1 to %2"),
                               {quoteForMessage(std::string(value)), kMaxPackStages}));
                break;
        }
    }
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
                return lineError(
                    kPackFileName, lineNo,
                    phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 is not a section name"),
                           {quoteForMessage(std::string(line))}));
            inPack = sameWord(trimBlanks(line.substr(1, line.size() - 2)), kSection);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return lineError(
                kPackFileName, lineNo,
                phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 is not a setting (Key=value)"),
                       {quoteForMessage(std::string(line))}));
        if (!inPack) continue;
        if (auto e = takeSetting(lineNo, trimBlanks(line.substr(0, eq)),
                                 trimBlanks(line.substr(eq + 1)), info))
            return *e;
    }
    if (info.stageCount == 0)
        return lineError(
            kPackFileName, 0,
            phrase(kGameWords,
                   QT_TRANSLATE_NOOP("Game", "the [Pack] section has no Stages setting")));
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
    auto text = readWholeFile(kPackFileName, folderText(folder) + kPackFileName, kMaxPackBytes);
    if (auto* e = std::get_if<FileError>(&text)) return *e;
    return parsePackText(std::get<std::string>(text));
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

}  // namespace game
