#include "workshop/edit_command.h"

#include <utility>

namespace workshop {

EditCommand::EditCommand(Edit edit, int index, Apply apply)
    : WordedCommand(edit.description),
      edit_(std::move(edit)),
      index_(index),
      apply_(std::move(apply)) {}

int EditCommand::id() const {
    // -1 never merges: every drag of the board is a step of its own.
    return edit_.field == Edit::Field::Board ? -1 : static_cast<int>(edit_.field);
}

bool EditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const EditCommand*>(other);  // same id(): same class
    if (next->index_ != index_) return false;                   // the same number of another stage
    edit_.after = next->edit_.after;
    edit_.description = next->edit_.description;
    setWords(next->edit_.description);
    // Back where it started: the step goes away.
    setObsolete(edit_.after == edit_.before);
    return true;
}

}  // namespace workshop
