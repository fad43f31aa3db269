#include "game/pack_file.h"

#include <algorithm>
#include <cerrno>

#include "game/durable_file.h"
#include "game/file_reader.h"
#include "game/files.h"
#include "game/replay_script.h"

namespace game {
namespace {

constexpr int kStageLines = 11;
constexpr int kAnswerLines = kBoardSide;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kPackHeader = "[Pack]";

// The pack file's lines, numbered from 1, each without its line end.
struct Lines {
    std::vector<std::string_view> text;
    std::string_view at(int n) const { return text[static_cast<std::size_t>(n - 1)]; }
    int count() const { return static_cast<int>(text.size()); }
};

// Splits at LF, a CR before it dropped; a lone CR stays in its line, where
// the stage's own reader finds it.
Lines splitLines(std::string_view text) {
    Lines lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.text.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

bool isHeader(std::string_view line) { return line.starts_with('['); }

std::string sectionName(std::string_view kind, int n) {
    return "[" + std::string(kind) + " " + std::to_string(n) + "]";
}

// Walks the sections of a pack file in the one order they may come in.
class SectionReader {
public:
    SectionReader(std::string fileName, const Lines& lines, int first)
        : name_(std::move(fileName)), lines_(lines), next_(first) {}

    int next() const { return next_; }
    void skipBlanks() {
        while (next_ <= lines_.count() && lines_.at(next_).empty()) ++next_;
    }
    bool atHeader(std::string_view header) {
        skipBlanks();
        return next_ <= lines_.count() && lines_.at(next_) == header;
    }
    // Takes the header `header`, or tells what stands in its place.
    std::optional<FileError> expect(const std::string& header) {
        if (atHeader(header)) {
            ++next_;
            return std::nullopt;
        }
        if (next_ > lines_.count())
            return lineError(
                name_, next_ - 1,
                phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "the file ends where %1 should be"),
                       {header}));
        return lineError(
            name_, next_,
            phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 is here where %2 should be"),
                   {quoteForMessage(std::string(lines_.at(next_))), header}));
    }
    // The lines up to the next header, blank lines at the end left out.
    std::pair<int, int> body() {
        const int first = next_;
        while (next_ <= lines_.count() && !isHeader(lines_.at(next_))) ++next_;
        int last = next_ - 1;
        while (last >= first && lines_.at(last).empty()) --last;
        return {first, last};
    }
    // The body joined with `end` after each line.
    std::string join(std::pair<int, int> body, std::string_view end) const {
        std::string s;
        for (int n = body.first; n <= body.second; ++n) (s += lines_.at(n)) += end;
        return s;
    }
    const std::string& name() const { return name_; }
    // Nothing but blank lines may follow the last stage.
    std::optional<FileError> expectEnd() {
        skipBlanks();
        if (next_ > lines_.count()) return std::nullopt;
        return lineError(name_, next_,
                         phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 follows the last stage"),
                                {quoteForMessage(std::string(lines_.at(next_)))}));
    }

private:
    std::string name_;
    const Lines& lines_;
    int next_;
};

// A section must hold exactly `need` lines.
std::optional<FileError> checkLineCount(const SectionReader& in, const std::string& header,
                                        std::pair<int, int> body, int need) {
    const int have = body.second - body.first + 1;
    if (have == need) return std::nullopt;
    return lineError(in.name(), body.first - 1,
                     phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 holds %2 lines; it needs %3"),
                            {header, have, need}));
}

std::optional<FileError> readStage(SectionReader& in, int n, StageDesc& desc) {
    const std::string header = sectionName("Stage", n);
    if (auto e = in.expect(header)) return e;
    const auto body = in.body();
    if (auto e = checkLineCount(in, header, body, kStageLines)) return e;
    auto stage = parseStageText(in.name(), in.join(body, "\r\n"));
    if (auto* e = std::get_if<FileError>(&stage))
        return atOuterLine(*e, in.name(), body.first, body.first - 1);
    desc = std::get<StageDesc>(stage);
    return std::nullopt;
}

// The answer's two last lines repeat the stage's numbers; the file leaves
// them out and the answer reader gets them from the stage.
std::optional<FileError> readAnswer(SectionReader& in, int n, StageDesc& desc) {
    const std::string header = sectionName("Answer", n);
    if (auto e = in.expect(header)) return e;
    const auto body = in.body();
    if (auto e = checkLineCount(in, header, body, kAnswerLines)) return e;
    const std::string text = in.join(body, "\r\n") + std::to_string(desc.target) + "\r\n" +
                             std::to_string(desc.budget()) + "\r\n";
    if (auto e = parseAnswerText(in.name(), text, desc))
        return atOuterLine(*e, in.name(), body.first, body.first - 1);
    return std::nullopt;
}

// A solution's script is checked line by line as the replay reads it.
std::optional<FileError> checkScript(const std::string& name, int firstLine,
                                     const std::string& text) {
    const ScriptRead read = readScript(text);
    if (!read.error) return std::nullopt;
    return lineError(name, firstLine + read.error->line - 1, read.error->reason);
}

std::optional<FileError> readSolution(SectionReader& in, int n, Solutions how,
                                      std::string& solution) {
    const std::string header = sectionName("Solution", n);
    if (!in.atHeader(header)) return std::nullopt;
    in.expect(header);
    const auto body = in.body();
    solution = in.join(body, "\n");
    if (how == Solutions::Unread) return std::nullopt;
    return checkScript(in.name(), body.first, solution);
}

// The [Pack] section is pack.ini as a folder holds it.
std::optional<FileError> readInfo(SectionReader& in, PackInfo& info) {
    const std::string header(kPackHeader);
    if (auto e = in.expect(header)) return e;
    const int headerLine = in.next() - 1;
    auto read = parsePackText(header + "\n" + in.join(in.body(), "\n"));
    if (auto* e = std::get_if<FileError>(&read))
        return atOuterLine(*e, in.name(), headerLine, headerLine);
    info = std::get<PackInfo>(read);
    return std::nullopt;
}

std::optional<FileError> readStages(SectionReader& in, Solutions how, PackContents& contents) {
    const int count = contents.pack.info.stageCount;
    contents.pack.stages.resize(static_cast<std::size_t>(count));
    contents.solutions.resize(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        StageDesc& desc = contents.pack.stages[static_cast<std::size_t>(n - 1)];
        if (auto e = readStage(in, n, desc)) return e;
        if (auto e = readAnswer(in, n, desc)) return e;
        if (auto e = readSolution(in, n, how, contents.solutions[static_cast<std::size_t>(n - 1)]))
            return e;
    }
    return in.expectEnd();
}

// Solutions as the file writes them: LF line ends, no blank lines at the end.
std::string tidySolution(std::string_view text) {
    const Lines lines = splitLines(text);
    int last = lines.count();
    while (last >= 1 && lines.at(last).empty()) --last;
    std::string s;
    for (int n = 1; n <= last; ++n) (s += lines.at(n)) += '\n';
    return s;
}

// Replaces each CR LF of a file written for the game with LF.
std::string withLf(const std::string& text) {
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) s += text[i];
    return s;
}

// The first `count` lines of a text with LF line ends.
std::string firstLines(const std::string& text, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count && at < text.size(); ++i) at = text.find('\n', at) + 1;
    return text.substr(0, at);
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

FileResult<PackContents> parsePackFile(const std::string& fileName, std::string_view text,
                                       Solutions solutions) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const Lines lines = splitLines(text);
    for (int n = 1; n <= lines.count(); ++n)
        if (lines.at(n).size() > kMaxLineBytes)
            return lineError(
                fileName, n,
                phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "the line is longer than %1 bytes"),
                       {static_cast<long long>(kMaxLineBytes)}));
    if (lines.count() == 0 || lines.at(1) != kPackFileFirstLine)
        return lineError(
            fileName, 1,
            phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "a pack file starts with the line %1"),
                   {std::string(kPackFileFirstLine)}));
    SectionReader in(fileName, lines, 2);
    PackContents contents;
    if (auto e = readInfo(in, contents.pack.info)) return *e;
    if (auto e = readStages(in, solutions, contents)) return *e;
    return contents;
}

std::string writePackFileText(const PackContents& contents) {
    std::string s =
        std::string(kPackFileFirstLine) + "\n" + withLf(writePackText(contents.pack.info));
    for (std::size_t i = 0; i < contents.pack.stages.size(); ++i) {
        const StageDesc& desc = contents.pack.stages[i];
        const int n = static_cast<int>(i) + 1;
        s += "\n" + sectionName("Stage", n) + "\n" + withLf(writeStageText(desc));
        s += sectionName("Answer", n) + "\n" +
             firstLines(withLf(writeAnswerText(desc)), kAnswerLines);
        if (i < contents.solutions.size() && !contents.solutions[i].empty())
            s += sectionName("Solution", n) + "\n" + tidySolution(contents.solutions[i]);
    }
    return s;
}

bool isPackFilePath(const std::string& path) {
    FileKind kind{};
    return fileIo().kindOf(path, true, kind) < 0 || kind != FileKind::Folder;
}

FileResult<PackContents> readPackFile(const std::string& path, Solutions solutions) {
    const std::string name = baseName(path);
    auto text = readWholeFile(name, path, kMaxPackFileBytes);
    if (auto* e = std::get_if<FileError>(&text)) return *e;
    return parsePackFile(name, std::get<std::string>(text), solutions);
}

namespace {

// A folder's solutions/stageN.replay, "" when the stage has none.
FileResult<std::string> readFolderSolution(const std::string& folder, int n) {
    const std::string name = solutionFileName(n);
    const std::string path = folderText(folder) + name;
    FileKind kind{};
    if (fileIo().kindOf(path, false, kind) == -ENOENT) return std::string();
    auto read = readWholeFile(name, path, kMaxSolutionBytes);
    if (auto* e = std::get_if<FileError>(&read)) return *e;
    const std::string& text = std::get<std::string>(read);
    if (auto e = checkScript(name, 1, text)) return *e;
    return text;
}

FileResult<PackContents> openFolder(const std::string& folder, Solutions how) {
    auto pack = isPack(folder) ? openPack(folder) : openGameStages(folder);
    if (auto* e = std::get_if<FileError>(&pack)) return *e;
    PackContents contents{std::get<Pack>(std::move(pack)), {}};
    if (how == Solutions::Unread) {
        contents.solutions.resize(contents.pack.stages.size());
        return contents;
    }
    for (int n = 1; n <= contents.pack.info.stageCount; ++n) {
        auto solution = readFolderSolution(folder, n);
        if (auto* e = std::get_if<FileError>(&solution)) return *e;
        contents.solutions.push_back(std::get<std::string>(std::move(solution)));
    }
    return contents;
}

// What a pack file would not read back as: the pack's own refusals, and a
// solution that is no script, would end its section early or has no stage.
std::optional<FileError> checkFileWritable(const PackContents& contents) {
    if (auto e = checkPackWritable(contents.pack)) return e;
    for (std::size_t i = 0; i < contents.solutions.size(); ++i) {
        const std::string solution = tidySolution(contents.solutions[i]);
        const std::string file = solutionFileName(static_cast<int>(i) + 1);
        if (solution.size() > kMaxSolutionBytes || solution.starts_with('[') ||
            solution.find("\n[") != std::string::npos ||
            (i >= contents.pack.stages.size() && !solution.empty()))
            return lineError(
                file, 0,
                phrase(kGameWords, QT_TRANSLATE_NOOP("Game",
                                                     "the solution cannot be written in "
                                                     "a pack file")));
        if (auto e = checkScript(file, 1, solution)) return e;
    }
    return std::nullopt;
}

}  // namespace

FileResult<PackContents> openAnyPack(const std::string& path, Solutions solutions) {
    return isPackFilePath(path) ? readPackFile(path, solutions) : openFolder(path, solutions);
}

std::optional<FileError> writePackFile(const std::string& path, const PackContents& contents) {
    const std::string name = baseName(path);
    if (auto e = checkFileWritable(contents)) return e;
    return writeFileDurably(name, path, writePackFileText(contents));
}

std::optional<FileError> writePackFolder(const std::string& folder, const PackContents& contents) {
    std::vector<std::string> solutions;
    for (const std::string& s : contents.solutions) solutions.push_back(tidySolution(s));
    if (auto e = checkFileWritable(contents)) return e;
    return writePack(folder, contents.pack, solutions);
}

void putPackFiles(MemoryFiles& files, const Pack& pack) {
    files.put(kPackFileName, writePackText(pack.info));
    for (std::size_t i = 0; i < pack.stages.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        files.put(stageFileName(n), writeStageText(pack.stages[i]));
        files.put(answerFileName(n), writeAnswerText(pack.stages[i]));
    }
}

}  // namespace game
