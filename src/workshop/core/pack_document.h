#pragma once

#include <string>
#include <vector>

#include "game/pack.h"
#include "game/pack_file.h"

namespace workshop {

inline constexpr int kMinPackStages = 1;  // a pack with no stage cannot be played or saved
inline constexpr int kMaxPackStages = game::kMaxPackStages;
inline constexpr const char* kDefaultLicense = "CC-BY-SA-4.0";

// Where a pack lives: a folder of files, or one pack file (NAME.lumora).
enum class PackForm { Folder, File };
// The form a path is by its name alone, for a path remembered without it
// (a journal's): a pack file's name ends in game::kPackFileSuffix.
PackForm formNamed(const std::string& path);
// Whether a pack remembered at `path` (a recent one) is still there to open.
bool packStillThere(const std::string& path);

// Everything an edit of the pack changes, and what undoing it puts back.
struct PackContents {
    game::PackInfo info;
    std::vector<game::StageDesc> stages;
    int current = 0;
    bool operator==(const PackContents&) const = default;
};

// The pack being edited: its name, author and licence, its stages, the one
// shown, and where it was opened from or last saved to. The list operations
// refuse what would take the pack out of kMinPackStages..kMaxPackStages or
// name a stage it does not hold, returning false and changing nothing, so
// the window can offer them without checking first.
class PackDocument {
public:
    // A new pack: one blank stage, the default licence, never saved.
    PackDocument();
    // A pack read from `folder`. The game's own stages come read-only: they
    // are saved as a copy elsewhere, never over the game.
    PackDocument(game::Pack pack, std::string folder, bool readOnly,
                 PackForm form = PackForm::Folder);

    int count() const { return static_cast<int>(stages_.size()); }
    int current() const { return current_; }
    const game::StageDesc& stage(int index) const;
    const game::StageDesc& currentStage() const { return stage(current_); }
    const std::vector<game::StageDesc>& stages() const { return stages_; }
    bool contains(int index) const { return index >= 0 && index < count(); }

    // What the pack's file holds beside the count, which follows the stages.
    const game::PackInfo& info() const { return info_; }
    void setInfo(const game::PackInfo& info);
    // The pack as writePack takes it, its count the stages'.
    game::Pack pack() const;

    // The pack's folder, or its file when form() says so; empty: never saved.
    const std::string& folder() const { return folder_; }
    PackForm form() const { return form_; }
    bool readOnly() const { return readOnly_; }
    // After a save: the pack lives there now and may be saved again, in the
    // same form.
    void savedTo(std::string folder, PackForm form = PackForm::Folder);

    bool select(int index);
    bool canAdd() const { return count() < kMaxPackStages; }
    bool canRemove() const { return count() > kMinPackStages; }

    // A blank stage after the shown one, shown.
    bool add();
    // A copy of the shown stage after it, shown.
    bool duplicate();
    // Puts `stage` at `index` (0..count) and shows it.
    bool insert(int index, const game::StageDesc& stage);
    // Takes the stage out; the one after it is shown, or the new last one.
    bool remove(int index);
    // Moves a stage to `to`, the others closing up; the moved one is shown.
    bool move(int from, int to);
    // Puts `stage` in place of the one at `index` and shows it.
    bool setStage(int index, const game::StageDesc& stage);

    PackContents contents() const { return {info_, stages_, current_}; }
    // Contents that contents() gave; others are brought into the limits.
    void setContents(PackContents contents);

private:
    game::PackInfo info_;
    std::vector<game::StageDesc> stages_;
    int current_ = 0;
    std::string folder_;
    bool readOnly_ = false;
    PackForm form_ = PackForm::Folder;
};

}  // namespace workshop
