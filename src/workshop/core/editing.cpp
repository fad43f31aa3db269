#include "workshop/core/editing.h"

#include <algorithm>
#include <cstdlib>

namespace workshop {
namespace {

constexpr int kBlankMagic = 11;

bool onBoard(int c, int r) {
    return c >= 1 && c <= game::kBoardSide && r >= 1 && r <= game::kBoardSide;
}

bool isStart(const game::StageDesc& s, int c, int r) { return s.startCol == c && s.startRow == r; }

int changedCells(const game::StageDesc& a, const game::StageDesc& b) {
    int n = 0;
    for (int r = 1; r <= game::kBoardSide; ++r)
        for (int c = 1; c <= game::kBoardSide; ++c) n += kindAt(a, c, r) != kindAt(b, c, r);
    return n;
}

// What a stroke of each kind did to how many cells, for many and for one;
// one sentence for each kind, so that each language says it its own way.
struct StrokeWords {
    Kind kind;
    const char* many;
    const char* one;
};
constexpr StrokeWords kStrokeWords[] = {
    {Kind::Empty, QT_TRANSLATE_N_NOOP("Edit", "Empty %n cells"), "Empty %n cell"},
    {Kind::Sand, QT_TRANSLATE_N_NOOP("Edit", "Paint %n cells with sand"),
     "Paint %n cell with sand"},
    {Kind::Block, QT_TRANSLATE_N_NOOP("Edit", "Paint %n cells with block"),
     "Paint %n cell with block"},
    {Kind::Water, QT_TRANSLATE_N_NOOP("Edit", "Paint %n cells with water"),
     "Paint %n cell with water"},
    {Kind::Wall, QT_TRANSLATE_N_NOOP("Edit", "Paint %n cells with wall"),
     "Paint %n cell with wall"},
};

game::Phrase strokeText(Kind kind, int cells) {
    for (const StrokeWords& w : kStrokeWords)
        if (w.kind == kind) return game::counting(kEditWords, w.many, w.one, cells);
    return game::phrase(kEditWords, QT_TRANSLATE_NOOP("Edit", "Move the start"));
}

std::optional<Edit> numberEdit(const game::StageDesc& stage, Edit::Field field, int value) {
    Edit e{field, stage, stage, {}};
    if (field == Edit::Field::Target) {
        e.after.target = static_cast<std::int16_t>(std::clamp(value, kMinTarget, kMaxTarget));
        e.description = game::phrase(kEditWords, QT_TRANSLATE_NOOP("Edit", "Set the target to %1"),
                                     {e.after.target});
    } else {
        e.after.magic = static_cast<std::int16_t>(std::clamp(value, kMinMagic, kMaxMagic));
        e.description = game::phrase(
            kEditWords, QT_TRANSLATE_NOOP("Edit", "Set the starting magic to %1"), {e.after.magic});
    }
    if (e.after == e.before) return std::nullopt;
    // The answer was the end of a solution of the stage as it was.
    e.after.answer = {};
    return e;
}

}  // namespace

game::StageDesc blankStage() {
    game::StageDesc s;
    s.startCol = 1;
    s.startRow = game::kBoardSide;
    s.magic = kBlankMagic;
    return s;
}

Kind kindAt(const game::StageDesc& stage, int c, int r) {
    return isStart(stage, c, r) ? Kind::Start : paletteKindOf(stage.at(c, r));
}

bool paint(game::StageDesc& stage, int c, int r, Kind kind) {
    if (!onBoard(c, r) || kindAt(stage, c, r) == kind) return false;
    if (kind == Kind::Start) {
        stage.set(c, r, game::CellKind::Empty);
        stage.startCol = c;
        stage.startRow = r;
        return true;
    }
    if (isStart(stage, c, r)) return false;
    stage.set(c, r, cellKindOf(kind));
    return true;
}

Stroke::Stroke(const game::StageDesc& stage, Kind kind)
    : before_(stage), after_(stage), kind_(kind) {}

void Stroke::to(int c, int r) {
    if (!onBoard(c, r)) {
        // The line starts again where the pointer comes back onto the board.
        lastCol_ = lastRow_ = 0;
        return;
    }
    if (kind_ == Kind::Start) {
        // The start follows the pointer; the cells it passed keep their kinds.
        after_ = before_;
        paint(after_, c, r, kind_);
        return;
    }
    if (lastCol_ == 0) {
        lastCol_ = c;
        lastRow_ = r;
    }
    // Bresenham's line from the last cell; the last cell itself was painted before.
    const int dc = std::abs(c - lastCol_), dr = -std::abs(r - lastRow_);
    const int sc = lastCol_ < c ? 1 : -1, sr = lastRow_ < r ? 1 : -1;
    int err = dc + dr;
    int x = lastCol_, y = lastRow_;
    paint(after_, x, y, kind_);
    while (x != c || y != r) {
        const int twice = 2 * err;
        if (twice >= dr) {
            err += dr;
            x += sc;
        }
        if (twice <= dc) {
            err += dc;
            y += sr;
        }
        paint(after_, x, y, kind_);
    }
    lastCol_ = c;
    lastRow_ = r;
}

std::optional<Edit> Stroke::finish() const {
    if (after_ == before_) return std::nullopt;
    Edit e{Edit::Field::Board, before_, after_, strokeText(kind_, changedCells(before_, after_))};
    e.after.answer = {};  // it was the end of a solution of the old board
    return e;
}

std::optional<Edit> setTarget(const game::StageDesc& stage, int target) {
    return numberEdit(stage, Edit::Field::Target, target);
}

std::optional<Edit> setMagic(const game::StageDesc& stage, int magic) {
    return numberEdit(stage, Edit::Field::Magic, magic);
}

}  // namespace workshop

namespace workshop {

std::optional<Edit> setAnswer(const game::StageDesc& stage, const AnswerMarks& answer) {
    if (stage.answer == answer) return std::nullopt;
    Edit e{Edit::Field::Answer, stage, stage,
           game::phrase(kEditWords, QT_TRANSLATE_NOOP("Edit", "Choose the answer"))};
    e.after.answer = answer;
    return e;
}

}  // namespace workshop
