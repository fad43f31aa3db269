#include "workshop/core/journal.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "workshop/core/palette.h"

namespace workshop {
namespace {

constexpr std::string_view kHeader = "lumora workshop journal 1";
constexpr std::string_view kEnd = "end";

// The answer file's letters, in the order of game::AnswerMark.
constexpr std::array<char, 6> kAnswerLetters{'.', 'S', 'B', 'W', 'K', 'O'};

// Keeps every value on one line.
std::string escaped(std::string_view value) {
    std::string out;
    for (char ch : value) {
        if (ch == '\\') {
            out += "\\\\";
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\r') {
            out += "\\r";
        } else {
            out += ch;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) return std::nullopt;
        const char ch = value[i];
        if (ch != '\\' && ch != 'n' && ch != 'r') return std::nullopt;
        out += ch == 'n' ? '\n' : ch == 'r' ? '\r' : '\\';
    }
    return out;
}

void writeStage(std::string& out, const game::StageDesc& s) {
    out += "stage\n";
    for (int r = 1; r <= game::kBoardSide; ++r) {
        out += "board ";
        for (int c = 1; c <= game::kBoardSide; ++c) {
            const bool start = s.startCol == c && s.startRow == r;
            out += kindInfo(start ? Kind::Start : paletteKindOf(s.at(c, r))).letter;
        }
        out += '\n';
    }
    out += "target " + std::to_string(s.target) + "\n";
    out += "magic " + std::to_string(s.magic) + "\n";
    for (int r = 1; r <= game::kBoardSide; ++r) {
        out += "answer ";
        for (int c = 1; c <= game::kBoardSide; ++c)
            out += kAnswerLetters[static_cast<std::size_t>(
                s.answer[static_cast<std::size_t>(game::boardIndex(c, r))])];
        out += '\n';
    }
}

// The journal's lines one at a time, each "keyword value", with errors naming
// the line.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}

    // The value after `keyword` on the next line.
    std::optional<std::string_view> next(std::string_view keyword) {
        ++number_;
        const std::size_t end = text_.find('\n');
        if (end == std::string_view::npos) return fail("the journal ends here");
        const std::string_view line = text_.substr(0, end);
        text_.remove_prefix(end + 1);
        if (line == keyword) return std::string_view();
        if (line.size() > keyword.size() && line.starts_with(keyword) &&
            line[keyword.size()] == ' ')
            return line.substr(keyword.size() + 1);
        return fail("expected \"" + std::string(keyword) + "\"");
    }

    std::optional<std::string> text(std::string_view keyword) {
        auto value = next(keyword);
        if (!value) return std::nullopt;
        auto plain = unescaped(*value);
        if (!plain) fail("a broken escape");
        return plain;
    }

    std::optional<int> number(std::string_view keyword, int low, int high) {
        auto value = next(keyword);
        if (!value) return std::nullopt;
        int n = 0;
        const char* end = value->data() + value->size();
        const auto [stop, ec] = std::from_chars(value->data(), end, n);
        if (ec != std::errc() || stop != end || n < low || n > high)
            return fail("not a number from " + std::to_string(low) + " to " + std::to_string(high));
        return n;
    }

    // Nine letters of `letters`, for row `r` of a stage.
    std::optional<std::string_view> row(std::string_view keyword, std::string_view letters) {
        auto value = next(keyword);
        if (!value) return std::nullopt;
        if (value->size() != game::kBoardSide ||
            value->find_first_not_of(letters) != std::string_view::npos)
            return fail("not " + std::to_string(game::kBoardSide) + " of \"" +
                        std::string(letters) + "\"");
        return value;
    }

    bool atEnd() const { return text_.empty(); }
    std::nullopt_t fail(const std::string& what) {
        if (!error_)
            error_ = game::FileError{"journal line " + std::to_string(number_) + ": " + what};
        return std::nullopt;
    }
    const std::optional<game::FileError>& error() const { return error_; }

private:
    std::string_view text_;
    int number_ = 0;
    std::optional<game::FileError> error_;
};

std::string boardLetters() {
    std::string letters;
    for (const KindInfo& k : kKinds) letters += k.letter;
    return letters;
}

std::optional<game::StageDesc> readStage(Lines& in) {
    if (!in.next("stage")) return std::nullopt;
    game::StageDesc s;
    int starts = 0;
    for (int r = 1; r <= game::kBoardSide; ++r) {
        auto row = in.row("board", boardLetters());
        if (!row) return std::nullopt;
        for (int c = 1; c <= game::kBoardSide; ++c) {
            const Kind kind = *kindOfLetter((*row)[static_cast<std::size_t>(c - 1)]);
            s.set(c, r, cellKindOf(kind));
            if (kind != Kind::Start) continue;
            if (++starts > 1) return in.fail("a second start");
            s.startCol = c;
            s.startRow = r;
        }
    }
    constexpr int low = std::numeric_limits<std::int16_t>::min();
    constexpr int high = std::numeric_limits<std::int16_t>::max();
    auto target = in.number("target", low, high);
    auto magic = target ? in.number("magic", low, high) : std::nullopt;
    if (!magic) return std::nullopt;
    s.target = static_cast<std::int16_t>(*target);
    s.magic = static_cast<std::int16_t>(*magic);
    const std::string_view marks(kAnswerLetters.data(), kAnswerLetters.size());
    for (int r = 1; r <= game::kBoardSide; ++r) {
        auto row = in.row("answer", marks);
        if (!row) return std::nullopt;
        for (int c = 1; c <= game::kBoardSide; ++c)
            s.answer[static_cast<std::size_t>(game::boardIndex(c, r))] =
                static_cast<game::AnswerMark>(marks.find((*row)[static_cast<std::size_t>(c - 1)]));
    }
    return s;
}

std::optional<Journal> readJournal(Lines& in) {
    Journal j;
    if (!in.next(kHeader)) return std::nullopt;
    for (auto [keyword, field] : {std::pair{"name", &j.name},
                                  {"author", &j.author},
                                  {"license", &j.license},
                                  {"folder", &j.folder}}) {
        auto value = in.text(keyword);
        if (!value) return std::nullopt;
        *field = std::move(*value);
    }
    const auto count = in.number("stages", 0, std::numeric_limits<int>::max());
    const auto selected = count ? in.number("selected", -1, *count - 1) : std::nullopt;
    if (!selected) return std::nullopt;
    j.selected = *selected;
    for (int i = 0; i < *count; ++i) {
        auto stage = readStage(in);
        if (!stage) return std::nullopt;
        j.stages.push_back(*stage);
    }
    if (!in.next(kEnd)) return std::nullopt;
    if (!in.atEnd()) return in.fail("more after the end");
    return j;
}

}  // namespace

std::string journalText(const Journal& journal) {
    std::string out = std::string(kHeader) + "\n";
    out += "name " + escaped(journal.name) + "\n";
    out += "author " + escaped(journal.author) + "\n";
    out += "license " + escaped(journal.license) + "\n";
    out += "folder " + escaped(journal.folder) + "\n";
    out += "stages " + std::to_string(journal.stages.size()) + "\n";
    out += "selected " + std::to_string(journal.selected) + "\n";
    for (const game::StageDesc& s : journal.stages) writeStage(out, s);
    out += std::string(kEnd) + "\n";
    return out;
}

game::FileResult<Journal> parseJournal(std::string_view text) {
    Lines in(text);
    auto journal = readJournal(in);
    if (!journal) return in.error().value_or(game::FileError{"journal: damaged"});
    return *journal;
}

std::string workshopStateFolder(const std::string& xdgStateHome, const std::string& home) {
    // As with the data folder, a relative XDG_STATE_HOME is invalid and ignored.
    if (!xdgStateHome.empty() && xdgStateHome.front() == '/')
        return game::folderText(xdgStateHome) + "lumora";
    if (!home.empty() && home.front() == '/') return game::folderText(home) + ".local/state/lumora";
    return {};
}

}  // namespace workshop
