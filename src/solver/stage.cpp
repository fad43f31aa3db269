#include "solver/stage.h"

#include <bit>
#include <filesystem>

#include "game/files.h"

namespace solver {

// Without the processor's own instruction, which the portable build does not
// assume, std::popcount calls a library routine that took a tenth of every
// search; where the processor has it, this picks the version that uses it.
#if defined(__x86_64__)
#define LUMORA_WITH_POPCNT [[gnu::target_clones("popcnt", "default")]]
#else
#define LUMORA_WITH_POPCNT
#endif

LUMORA_WITH_POPCNT int Board::count(CellKind kind) const {
    // Two-bit fields holding the kind's number: the low and high bit of each
    // field are compared with the kind's own.
    constexpr std::uint64_t kLow = 0x5555555555555555ULL;
    const auto bits = static_cast<unsigned>(kind);
    const std::uint64_t wantLo = (bits & 1) ? ~std::uint64_t{0} : 0;
    const std::uint64_t wantHi = (bits & 2) ? ~std::uint64_t{0} : 0;
    int n = 0;
    for (int i = 0; i < 3; ++i) {
        std::uint64_t word = w[i];
        if (i == 2) word &= (std::uint64_t{1} << 34) - 1;  // keep the player's cell out
        const std::uint64_t lo = word & kLow, hi = (word >> 1) & kLow;
        n += std::popcount(~(lo ^ wantLo) & ~(hi ^ wantHi) & kLow);
    }
    return n;
}

LUMORA_WITH_POPCNT Board::Counts Board::counts() const {
    constexpr std::uint64_t kLow = 0x5555555555555555ULL;
    static_assert(static_cast<int>(CellKind::Sand) == 1 && static_cast<int>(CellKind::Block) == 2 &&
                  static_cast<int>(CellKind::Water) == 3);
    Counts n;
    for (int i = 0; i < 3; ++i) {
        std::uint64_t word = w[i];
        if (i == 2) word &= (std::uint64_t{1} << 34) - 1;  // keep the player's cell out
        const std::uint64_t lo = word & kLow, hi = (word >> 1) & kLow;
        n.sand += std::popcount(lo & ~hi);
        n.block += std::popcount(hi & ~lo);
        n.water += std::popcount(lo & hi);
    }
    return n;
}

namespace {

// The board's frame and walls as the walks see them (see SolidMap).
void fillFrame(Stage& s) {
    for (int r = 0; r <= 10; ++r)
        for (int c = 0; c <= 10; ++c) {
            const bool inside = c >= 1 && r >= 1 && r <= 9 && c <= 9;
            const bool solid = c == 10 || r == 10 || (inside && s.wall[cellIndex(c, r)]);
            s.frame[static_cast<std::size_t>(11 * r + c)] = solid ? 1 : 0;
        }
}

// One cell of the description: walls go to the mask, the rest to the board.
void placeCell(Stage& s, int cell, CellKind kind) {
    if (kind == CellKind::Wall)
        s.wall[static_cast<std::size_t>(cell)] = true;
    else
        s.start.set(cell, kind);
}

constexpr bool onBoard(int c, int r) { return c >= 1 && c <= 9 && r >= 1 && r <= 9; }

}  // namespace

namespace {

std::variant<Stage, game::Phrase> buildStage(const game::StageDesc& desc, std::string name) {
    Stage s;
    s.name = std::move(name);
    s.desc = desc;
    s.desc.answer = {};
    for (int cell = 0; cell < kCells; ++cell)
        placeCell(s, cell, desc.cells[static_cast<std::size_t>(cell)]);
    if (!onBoard(desc.startCol, desc.startRow))
        return game::phrase(game::kGameWords,
                            QT_TRANSLATE_NOOP("Game", "the board has no start cell \"P\""));
    fillFrame(s);
    const int start = cellIndex(desc.startCol, desc.startRow);
    s.start.setPlayer(start);
    s.target = desc.target;
    s.magic = desc.magic;
    if (!standsOnSomething(s, s.start, start))
        return game::phrase(
            kProblemWords,
            QT_TRANSLATE_NOOP("Problem", "the character does not start on solid ground"));
    return s;
}

}  // namespace

std::variant<Stage, std::string> stageFromDesc(const game::StageDesc& desc, std::string name) {
    auto built = buildStage(desc, name);
    if (auto* why = std::get_if<game::Phrase>(&built)) return name + ": " + game::english(*why);
    return std::get<Stage>(std::move(built));
}

std::optional<game::Phrase> stageProblem(const game::StageDesc& desc) {
    auto built = buildStage(desc, std::string());
    if (auto* why = std::get_if<game::Phrase>(&built)) return *why;
    return std::nullopt;
}

std::variant<Stage, std::string> parseStage(const game::MapLines& lines, const std::string& name) {
    std::string text;
    for (int i = 1; i <= 11; ++i) text += lines[static_cast<std::size_t>(i)] + "\r\n";
    auto desc = game::parseStageText(name, text);
    if (auto* e = std::get_if<game::FileError>(&desc)) return e->message;
    return stageFromDesc(std::get<game::StageDesc>(desc), name);
}

std::variant<Stage, std::string> loadStage(const std::string& path) {
    const std::filesystem::path p(path);
    const std::string folder = p.has_parent_path() ? p.parent_path().string() : std::string(".");
    auto desc = game::readStageFile(folder, p.filename().string());
    if (auto* e = std::get_if<game::FileError>(&desc)) return e->message;
    return stageFromDesc(std::get<game::StageDesc>(desc), p.filename().string());
}

bool standsOnSomething(const Stage& stage, const Board& board, int cell) {
    if (rowOf(cell) == 9) return true;
    const int below = cell + 9;
    return stage.wall[below] || board.kind(below) != CellKind::Empty;
}

}  // namespace solver
