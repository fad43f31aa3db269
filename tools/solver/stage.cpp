#include "stage.h"

#include <bit>
#include <filesystem>

#include "game/files.h"

namespace solver {

namespace {
// Inline, as the build does not assume the processor's own instruction.
int bitCount(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}
}  // namespace

int Board::count(int kind) const {
    // Two-bit fields: 01 is a block, 10 water, 11 sand.
    constexpr std::uint64_t kLow = 0x5555555555555555ULL;
    int n = 0;
    for (int i = 0; i < 3; ++i) {
        std::uint64_t word = w[i];
        if (i == 2) word &= (std::uint64_t{1} << 34) - 1;  // keep the player's cell out
        const std::uint64_t lo = word & kLow, hi = (word >> 1) & kLow;
        std::uint64_t match = 0;
        if (kind == Block)
            match = lo & ~hi;
        else if (kind == Water)
            match = hi & ~lo;
        else if (kind == Sand)
            match = lo & hi;
        n += bitCount(match);
    }
    return n;
}

std::variant<Stage, std::string> parseStage(const game::MapLines& lines, const std::string& name) {
    Stage s;
    s.name = name;
    int start = -1;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const std::string& line = lines[static_cast<std::size_t>(r)];
            const char ch = static_cast<std::size_t>(c - 1) < line.size() ? line[c - 1] : '.';
            const int cell = cellIndex(c, r);
            char shown = '.';
            switch (ch) {
                case 'S':
                    s.start.set(cell, Sand), shown = 'S';
                    break;
                case 'B':
                    s.start.set(cell, Block), shown = 'B';
                    break;
                case 'W':
                    s.start.set(cell, Water), shown = 'W';
                    break;
                case 'K':
                    s.wall[cell] = true, shown = 'K';
                    break;
                case 'P':
                    start = cell;
                    break;
                default:
                    break;
            }
            s.letter[cell] = shown;
        }
    if (start < 0) return name + ": the board has no start cell \"P\"";
    for (int r = 0; r <= 10; ++r)
        for (int c = 0; c <= 10; ++c)
            s.frame[static_cast<std::size_t>(11 * r + c)] =
                (c == 10 || r == 10 ||
                 (c >= 1 && r >= 1 && r <= 9 && c <= 9 &&
                  s.wall[static_cast<std::size_t>(cellIndex(c, r))]))
                    ? 1
                    : 0;
    s.start.setPlayer(start);

    auto target = game::stageFileNumber(name, 10, lines[10]);
    if (auto* e = std::get_if<game::FileError>(&target)) return e->message;
    auto magic = game::stageFileNumber(name, 11, lines[11]);
    if (auto* e = std::get_if<game::FileError>(&magic)) return e->message;
    s.target = std::get<std::int16_t>(target);
    s.magic = std::get<std::int16_t>(magic);
    if (!standsOnSomething(s, s.start, start))
        return name + ": the character does not start on solid ground";
    return s;
}

std::variant<Stage, std::string> loadStage(const std::string& path) {
    const std::filesystem::path p(path);
    const std::string folder = p.has_parent_path() ? p.parent_path().string() : std::string(".");
    auto read = game::readMapFile(folder, p.filename().string());
    if (auto* e = std::get_if<game::FileError>(&read)) return e->message;
    return parseStage(std::get<game::MapLines>(read), p.filename().string());
}

bool standsOnSomething(const Stage& stage, const Board& board, int cell) {
    if (rowOf(cell) == 9) return true;
    const int below = cell + 9;
    return stage.wall[below] || board.kind(below) != Empty;
}

}  // namespace solver
