#pragma once

#include <QUndoCommand>
#include <functional>

#include "workshop/core/editing.h"

namespace workshop {

// One edit of a pack's stage on the undo stack. Redo and undo hand the whole
// stage after or before it, with the stage's place in the pack, to `apply`.
// Edits of the same number of the same stage in a row merge, so holding a
// spin box's arrow down is one step.
class EditCommand : public QUndoCommand {
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
