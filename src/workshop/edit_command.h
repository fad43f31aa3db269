#pragma once

#include <QUndoCommand>
#include <functional>

#include "workshop/core/editing.h"

namespace workshop {

// One edit of the stage on the undo stack. Redo and undo hand the whole stage
// after or before it to `apply`. Edits of the same number in a row merge, so
// holding a spin box's arrow down is one step.
class EditCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const game::StageDesc&)>;

    EditCommand(Edit edit, Apply apply);

    void undo() override { apply_(edit_.before); }
    void redo() override { apply_(edit_.after); }
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    Edit edit_;
    Apply apply_;
};

}  // namespace workshop
