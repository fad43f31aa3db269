#include "workshop/core/journal.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <variant>

namespace workshop {
namespace {

constexpr std::string_view kHeader = "lumora workshop journal 1";
constexpr std::string_view kEnd = "end";

// What is wrong with a journal, told in the game's words for file troubles.
game::Phrase word(const char* text, std::vector<game::PhraseValue> values = {}) {
    return game::phrase(game::kGameWords, text, std::move(values));
}

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

// A stage goes in as its stage file and its answer file, line for line, so
// the game's own reader and writer are the only ones of the letters.
constexpr int kFileLines = 11;
constexpr std::string_view kFileLine = "|";

void writeFileLines(std::string& out, const std::string& file) {
    std::size_t at = 0;
    while (at < file.size()) {
        const std::size_t end = file.find("\r\n", at);
        out += std::string(kFileLine) + " " + file.substr(at, end - at) + "\n";
        at = end == std::string::npos ? file.size() : end + 2;
    }
}

void writeStage(std::string& out, const game::StageDesc& s) {
    out += "stage\n";
    writeFileLines(out, game::writeStageText(s));
    writeFileLines(out, game::writeAnswerText(s));
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
        if (end == std::string_view::npos)
            return fail(word(QT_TRANSLATE_NOOP("Game", "the journal ends here")));
        const std::string_view line = text_.substr(0, end);
        text_.remove_prefix(end + 1);
        if (line == keyword) return std::string_view();
        if (line.size() > keyword.size() && line.starts_with(keyword) &&
            line[keyword.size()] == ' ')
            return line.substr(keyword.size() + 1);
        return fail(word(QT_TRANSLATE_NOOP("Game", "expected \"%1\""), {std::string(keyword)}));
    }

    std::optional<std::string> text(std::string_view keyword) {
        auto value = next(keyword);
        if (!value) return std::nullopt;
        auto plain = unescaped(*value);
        if (!plain) fail(word(QT_TRANSLATE_NOOP("Game", "a broken escape")));
        return plain;
    }

    std::optional<int> number(std::string_view keyword, int low, int high) {
        auto value = next(keyword);
        if (!value) return std::nullopt;
        int n = 0;
        const char* end = value->data() + value->size();
        const auto [stop, ec] = std::from_chars(value->data(), end, n);
        if (ec != std::errc() || stop != end || n < low || n > high)
            return fail(word(QT_TRANSLATE_NOOP("Game", "not a number from %1 to %2"), {low, high}));
        return n;
    }

    bool atEnd() const { return text_.empty(); }
    std::nullopt_t fail(game::Phrase what) {
        if (!error_)
            error_ = game::FileError{word(QT_TRANSLATE_NOOP("Game", "journal line %1: %2"),
                                          {number_, game::nested(std::move(what))})};
        return std::nullopt;
    }
    const std::optional<game::FileError>& error() const { return error_; }

private:
    std::string_view text_;
    int number_ = 0;
    std::optional<game::FileError> error_;
};

// The eleven lines of one file, back in the file's own form.
std::optional<std::string> readFileLines(Lines& in) {
    std::string file;
    for (int i = 0; i < kFileLines; ++i) {
        auto line = in.next(kFileLine);
        if (!line) return std::nullopt;
        file += std::string(*line) + "\r\n";
    }
    return file;
}

std::optional<game::StageDesc> readStage(Lines& in, int number) {
    const std::string name = "stage " + std::to_string(number);
    if (!in.next("stage")) return std::nullopt;
    const auto stageFile = readFileLines(in);
    if (!stageFile) return std::nullopt;
    auto parsed = game::parseStageText(name, *stageFile);
    if (auto* e = std::get_if<game::FileError>(&parsed)) return in.fail(e->words);
    game::StageDesc s = std::get<game::StageDesc>(parsed);
    const auto answerFile = readFileLines(in);
    if (!answerFile) return std::nullopt;
    if (auto e = game::parseAnswerText(name + " answer", *answerFile, s)) return in.fail(e->words);
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
        auto stage = readStage(in, i + 1);
        if (!stage) return std::nullopt;
        j.stages.push_back(*stage);
    }
    if (!in.next(kEnd)) return std::nullopt;
    if (!in.atEnd()) return in.fail(word(QT_TRANSLATE_NOOP("Game", "more after the end")));
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
    if (!journal)
        return in.error().value_or(
            game::FileError{word(QT_TRANSLATE_NOOP("Game", "journal: damaged"))});
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
