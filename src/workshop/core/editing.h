#pragma once

#include <optional>
#include <string>

#include "game/phrase.h"
#include "game/stage_desc.h"
#include "workshop/core/palette.h"

namespace workshop {

// The limits the editor keeps the numbers in: no more blocks than cells, and
// a stage starts with some magic (a clear needs some left). Both fit the
// stage file's 16-bit numbers.
inline constexpr int kMinTarget = 0;
inline constexpr int kMaxTarget = game::kBoardCells;
inline constexpr int kMinMagic = 1;
inline constexpr int kMaxMagic = 32767;

// A new stage: an empty board with the start in the bottom left corner.
game::StageDesc blankStage();

// What the palette would show for the cell: the start, or the cell's kind.
Kind kindAt(const game::StageDesc& stage, int c, int r);

// Paints cell (c, r) (both 1..9); false when nothing changed. A stage has one
// start, on an empty cell: painting the start moves it there, emptying the
// cell; painting a solid kind over the start is refused, so a drag across
// the character never loses it (the start is moved, never removed); emptying
// the start's cell leaves it as it is. The answer marks are left alone.
bool paint(game::StageDesc& stage, int c, int r, Kind kind);

// One undoable change: the whole stage before and after, and what it did
// ("Paint 3 cells with sand"), its words marked in the context kEditWords.
inline constexpr const char* kEditWords = "Edit";
struct Edit {
    enum class Field { Board, Target, Magic, Answer };  // edits of one field may merge
    Field field = Field::Board;
    game::StageDesc before;
    game::StageDesc after;
    game::Phrase description;
};

// One press, drag and release of a mouse button: every cell it passes over is
// painted with one kind, and the whole drag is one edit.
class Stroke {
public:
    Stroke(const game::StageDesc& stage, Kind kind);

    // The cell the pointer is over; the cells on the straight line from the
    // last one are painted too, so a fast drag leaves no gaps. A cell off the
    // board paints nothing and breaks the line.
    void to(int c, int r);
    // The stage as the drag has painted it so far.
    const game::StageDesc& stage() const { return after_; }
    // The release: the edit, or nothing when the drag changed nothing.
    std::optional<Edit> finish() const;

private:
    game::StageDesc before_;
    game::StageDesc after_;
    Kind kind_;
    int lastCol_ = 0;  // 0 until the first cell
    int lastRow_ = 0;
};

// The edits of the spin boxes; nothing when the value is the same. Values
// out of range are brought into it.
std::optional<Edit> setTarget(const game::StageDesc& stage, int target);
std::optional<Edit> setMagic(const game::StageDesc& stage, int magic);

// Every edit of the board, the target or the magic leaves the stage without
// an answer, which belonged to the stage as it was; the proof gives it one
// again. Choosing one of the proof's final boards is an edit of its own.
using AnswerMarks = decltype(game::StageDesc::answer);
std::optional<Edit> setAnswer(const game::StageDesc& stage, const AnswerMarks& answer);

}  // namespace workshop
