#include "workshop/core/stage_paste.h"

#include <tuple>
#include <vector>

#include "game/translatable.h"
#include "workshop/core/editing.h"

namespace workshop {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr long long kStageLines = std::tuple_size_v<game::MapLines> - 1;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

// The text's lines with their blanks cut off, whatever ended them.
std::vector<std::string_view> linesOf(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(trimmed(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        const bool crlf = text.compare(end, 2, "\r\n") == 0;
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

bool isHeading(std::string_view line) { return line.starts_with('['); }

}  // namespace

std::string copiedStageText(const game::StageDesc& stage) {
    std::string text = game::writeStageText(stage);
    std::erase(text, '\r');
    return text;
}

game::FileResult<game::StageDesc> parsePastedStage(const std::string& name, std::string_view text) {
    const std::vector<std::string_view> lines = linesOf(text);
    std::size_t first = 0;
    const auto skipBlanks = [&] {
        while (first < lines.size() && lines[first].empty()) ++first;
    };
    skipBlanks();
    // A heading of another kind ("[Answer 2]") stays a line of the stage,
    // which then does not read as one.
    if (first < lines.size() && lines[first].starts_with("[Stage")) {
        ++first;
        skipBlanks();
    }
    std::size_t end = first;
    while (end < lines.size() && !(end > first && isHeading(lines[end]))) ++end;
    while (end > first && lines[end - 1].empty()) --end;
    const auto count = static_cast<long long>(end - first);
    // The reader's own words for a short file speak of CR LF, which pasted
    // text need not have.
    if (count < kStageLines)
        return game::lineError(
            name, 0,
            game::counting(kEditWords,
                           QT_TRANSLATE_N_NOOP("Edit", "the text has %n lines, a stage has %1"),
                           "the text has %n line, a stage has %1", count, {kStageLines}));
    // The stage file's reader ends lines at CR LF only.
    std::string stage;
    for (std::size_t i = first; i < end; ++i) stage.append(lines[i]).append("\r\n");
    auto parsed = game::parseStageText(name, stage);
    if (auto* e = std::get_if<game::FileError>(&parsed))
        return game::atOuterLine(*e, name, static_cast<int>(first) + 1, 0);
    return parsed;
}

}  // namespace workshop
