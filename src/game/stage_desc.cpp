#include "game/stage_desc.h"

#include <algorithm>

#include "game/number_text.h"
#include "game/rules.h"

namespace game {
namespace {

constexpr int kLastLine = 11;
constexpr int kTargetLine = 10;
constexpr int kBudgetLine = 11;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";

// The byte at column c of a board line; 0 past its end.
char letterAt(const std::string& line, int c) {
    const auto i = static_cast<std::size_t>(c - 1);
    return i < line.size() ? line[i] : '\0';
}

// A letter no kind has leaves a cell empty (or unmarked), whatever it is. "O"
// marks the answer only; on the board it is as empty as any stranger.
CellKind cellOf(char letter) {
    for (const CellInfo& c : kCellKinds)
        if (c.letter == letter) return c.kind;
    return CellKind::Empty;
}

AnswerMark markOf(char letter) {
    if (letter == kAnswerLetter) return AnswerMark::Answer;
    for (const CellInfo& c : kCellKinds)
        if (c.letter == letter) return c.mark;
    return AnswerMark::None;
}

// Walks the text line by line under the file's line rules.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {
        if (text_.starts_with(kByteOrderMark)) text_.remove_prefix(kByteOrderMark.size());
    }
    // False at the end of the text when no line is left; `tooLong` reports a
    // line over the limit.
    bool next(std::string& line, bool& tooLong) {
        if (text_.empty()) return false;
        const std::size_t end = text_.find('\r');
        const std::size_t length = end == std::string_view::npos ? text_.size() : end;
        tooLong = length > kMaxLineBytes;
        line.assign(text_.substr(0, tooLong ? 0 : length));
        text_.remove_prefix(length);
        if (text_.starts_with("\r\n"))
            text_.remove_prefix(2);
        else if (text_.starts_with('\r'))
            text_.remove_prefix(1);
        return true;
    }

private:
    std::string_view text_;
};

void fillLines(MapLines* lines, const MapRead& read) {
    if (lines != nullptr) *lines = read.lines;
}

std::string boardText(const std::array<char, kBoardCells>& letters, const StageDesc& desc) {
    std::string s;
    for (int r = 1; r <= kBoardSide; ++r) {
        for (int c = 1; c <= kBoardSide; ++c)
            s += letters[static_cast<std::size_t>(boardIndex(c, r))];
        s += kLineEnd;
    }
    return s + std::to_string(desc.target) + kLineEnd + std::to_string(desc.budget()) + kLineEnd;
}

}  // namespace

MapRead splitMapLines(const std::string& fileName, std::string_view text) {
    MapRead read;
    LineCursor cursor(text);
    std::string line;
    bool tooLong = false;
    for (int i = 1; i <= kLastLine; ++i) {
        if (!cursor.next(line, tooLong)) {
            // One line or none: the lines may end with LF alone.
            read.error = lineError(
                fileName, 0,
                i <= 2 ? counting(kGameWords,
                                  QT_TRANSLATE_N_NOOP("Game",
                                                      "the file has %n lines, it needs %1 (lines "
                                                      "must end with CR LF)"),
                                  "the file has %n line, it needs %1 (lines must end with CR LF)",
                                  i - 1, {kLastLine})
                       : counting(kGameWords,
                                  QT_TRANSLATE_N_NOOP("Game", "the file has %n lines, it needs %1"),
                                  "the file has %n line, it needs %1", i - 1, {kLastLine}));
            return read;
        }
        if (tooLong) {
            read.error = lineError(
                fileName, i,
                phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "the line is longer than %1 bytes"),
                       {static_cast<long long>(kMaxLineBytes)}));
            return read;
        }
        read.lines[static_cast<std::size_t>(i)] = line;
        read.count = i;
    }
    return read;
}

FileResult<std::int16_t> stageFileNumber(const std::string& fileName, int line,
                                         const std::string& text) {
    auto n = roundToInt16(text, line == kBudgetLine ? rules::kStartMagicBonus : 0);
    if (auto* value = std::get_if<std::int16_t>(&n)) return *value;
    const std::string quoted = quoteForMessage(text);
    if (std::get<NumberError>(n) == NumberError::OutOfRange)
        return lineError(
            fileName, line,
            line == kBudgetLine
                ? phrase(kGameWords,
                         QT_TRANSLATE_NOOP("Game", "%1 plus %2 is out of range (-32768 to 32767)"),
                         {quoted, rules::kStartMagicBonus})
                : phrase(kGameWords,
                         QT_TRANSLATE_NOOP("Game", "%1 is out of range (-32768 to 32767)"),
                         {quoted}));
    return lineError(
        fileName, line,
        line == kTargetLine
            ? phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 is not a whole number"), {quoted})
            : phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "%1 is not a number"), {quoted}));
}

std::int16_t magicForBudget(int budget) {
    return static_cast<std::int16_t>(budget + rules::kStartMagicBonus);
}

int budgetOfMagic(int magic) { return magic - rules::kStartMagicBonus; }

FileResult<StageDesc> parseStageText(const std::string& fileName, std::string_view text,
                                     MapLines* lines) {
    const MapRead read = splitMapLines(fileName, text);
    fillLines(lines, read);
    StageDesc desc;
    // Lines are taken in the order they were read, so the first problem in the
    // file is the one reported.
    for (int i = kTargetLine; i <= read.count; ++i) {
        auto n = stageFileNumber(fileName, i, read.lines[static_cast<std::size_t>(i)]);
        if (auto* e = std::get_if<FileError>(&n)) return *e;
        (i == kTargetLine ? desc.target : desc.magic) = std::get<std::int16_t>(n);
    }
    if (read.error) return *read.error;

    for (int r = 1; r <= kBoardSide; ++r)
        for (int c = 1; c <= kBoardSide; ++c) {
            const char letter = letterAt(read.lines[static_cast<std::size_t>(r)], c);
            desc.set(c, r, cellOf(letter));
            if (letter == kStartLetter) desc.startCol = c, desc.startRow = r;
        }
    // Without a start cell the character would stand where no move can use it.
    if (desc.startCol == 0)
        return lineError(
            fileName, 0,
            phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "the board has no start cell \"P\"")));
    return desc;
}

std::optional<FileError> parseAnswerText(const std::string& fileName, std::string_view text,
                                         StageDesc& desc, MapLines* lines) {
    const MapRead read = splitMapLines(fileName, text);
    fillLines(lines, read);
    if (read.error) return read.error;
    for (int r = 1; r <= kBoardSide; ++r)
        for (int c = 1; c <= kBoardSide; ++c)
            desc.answer[static_cast<std::size_t>(boardIndex(c, r))] =
                markOf(letterAt(read.lines[static_cast<std::size_t>(r)], c));
    return std::nullopt;
}

std::string writeStageText(const StageDesc& desc) {
    std::array<char, kBoardCells> letters{};
    std::ranges::transform(desc.cells, letters.begin(),
                           [](CellKind kind) { return cellInfo(kind).letter; });
    if (desc.startCol >= 1 && desc.startCol <= kBoardSide && desc.startRow >= 1 &&
        desc.startRow <= kBoardSide)
        letters[static_cast<std::size_t>(boardIndex(desc.startCol, desc.startRow))] = kStartLetter;
    return boardText(letters, desc);
}

std::string writeAnswerText(const StageDesc& desc) {
    std::array<char, kBoardCells> letters{};
    std::ranges::transform(desc.answer, letters.begin(), markLetter);
    return boardText(letters, desc);
}

}  // namespace game
