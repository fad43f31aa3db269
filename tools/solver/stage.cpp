#include "stage.h"

#include <bit>
#include <filesystem>

#include "game/files.h"

namespace solver {

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
        n += std::popcount(match);
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
