#include "workshop/core/editing.h"

#include <algorithm>
#include <cctype>
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

std::string lowerName(Kind kind) {
    std::string name(kindInfo(kind).name);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return name;
}

std::string strokeText(Kind kind, int cells) {
    if (kind == Kind::Start) return "Move the start";
    const std::string count = std::to_string(cells) + (cells == 1 ? " cell" : " cells");
    if (kind == Kind::Empty) return "Empty " + count;
    return "Paint " + count + " with " + lowerName(kind);
}

std::optional<Edit> numberEdit(const game::StageDesc& stage, Edit::Field field, int value) {
    Edit e{field, stage, stage, {}};
    if (field == Edit::Field::Target) {
        e.after.target = static_cast<std::int16_t>(std::clamp(value, kMinTarget, kMaxTarget));
        e.description = "Set the target to " + std::to_string(e.after.target);
    } else {
        e.after.magic = static_cast<std::int16_t>(std::clamp(value, kMinMagic, kMaxMagic));
        e.description = "Set the starting magic to " + std::to_string(e.after.magic);
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
    Edit e{Edit::Field::Answer, stage, stage, "Choose the answer"};
    e.after.answer = answer;
    return e;
}

}  // namespace workshop
