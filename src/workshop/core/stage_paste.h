#pragma once

#include <string>
#include <string_view>

#include "game/file_error.h"
#include "game/stage_desc.h"

namespace workshop {

// Edit ▸ Copy Stage: the stage file's eleven lines, each ending in LF alone,
// as a chat, a forum or an e-mail passes text on.
std::string copiedStageText(const game::StageDesc& stage);

// Edit ▸ Paste Stage: a stage from text that went through such hands. Line
// ends of LF or CR LF, blank lines and blanks around the lines, and a
// "[Stage N]" heading a pack file gives it are all taken; the stage ends at
// the next heading, so a stage copied out of a pack file with its answer
// after it pastes too. What is wrong is named at the line of the text it is
// on, `name` standing for the text as a file's name would. The stage comes
// without an answer, as an edited one does.
game::FileResult<game::StageDesc> parsePastedStage(const std::string& name, std::string_view text);

}  // namespace workshop
