#pragma once

#include <QUndoCommand>
#include <functional>

#include "qt/languages.h"
#include "workshop/core/editing.h"

namespace workshop {

// An undo step named by a phrase ("Paint 3 cells with sand"), named anew in
// the language installed when reword is called.
class WordedCommand : public QUndoCommand {
public:
    explicit WordedCommand(game::Phrase words) : words_(std::move(words)) { reword(); }
    void reword() { setText(qtfront::phraseText(words_)); }

protected:
    void setWords(game::Phrase words) {
        words_ = std::move(words);
        reword();
    }

private:
    game::Phrase words_;
};

// One edit of a pack's stage on the undo stack. Redo and undo hand the whole
// stage after or before it, with the stage's place in the pack, to `apply`.
// Edits of the same number of the same stage in a row merge, so holding a
// spin box's arrow down is one step.
class EditCommand : public WordedCommand {
public:
    using Apply = std::function<void(int index, const game::StageDesc&)>;

    EditCommand(Edit edit, int index, Apply apply);

    void undo() override { apply_(index_, edit_.before); }
    void redo() override { apply_(index_, edit_.after); }
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    Edit edit_;
    int index_;
    Apply apply_;
};

}  // namespace workshop
