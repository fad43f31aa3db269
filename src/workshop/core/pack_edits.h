#pragma once

#include <optional>
#include <string>

#include "game/phrase.h"
#include "workshop/core/editing.h"
#include "workshop/core/pack_document.h"

namespace workshop {

// One undoable change of the pack's list of stages or of its name, author or
// licence: the pack before and after, as the stage edits hold the stage.
struct PackEdit {
    PackContents before;
    PackContents after;
    game::Phrase description;  // marked in the context kEditWords
};

// Each is the edit the operation would make of `doc`, or nothing when the
// document refuses it (see PackDocument). Undone, an edit shows the stage
// that was shown before it, or for a move the moved stage in its old place.
std::optional<PackEdit> addStageEdit(const PackDocument& doc);
std::optional<PackEdit> duplicateStageEdit(const PackDocument& doc);
std::optional<PackEdit> deleteStageEdit(const PackDocument& doc);
std::optional<PackEdit> moveStageEdit(const PackDocument& doc, int from, int to);
std::optional<PackEdit> infoEdit(const PackDocument& doc, const game::PackInfo& info);

}  // namespace workshop
