#include "workshop/core/pack_document.h"

#include <algorithm>
#include <utility>

#include "game/file_io.h"
#include "workshop/core/editing.h"

namespace workshop {

PackDocument::PackDocument() : stages_{blankStage()} { info_.license = kDefaultLicense; }

PackForm formNamed(const std::string& path) {
    return path.ends_with(game::kPackFileSuffix) ? PackForm::File : PackForm::Folder;
}

bool packStillThere(const std::string& path) {
    game::FileKind kind{};
    if (game::fileIo().kindOf(path, true, kind) < 0) return false;
    return kind == game::FileKind::Folder ? game::isPack(path) : kind == game::FileKind::Regular;
}

PackDocument::PackDocument(game::Pack pack, std::string folder, bool readOnly, PackForm form)
    : info_(std::move(pack.info)),
      stages_(std::move(pack.stages)),
      folder_(std::move(folder)),
      readOnly_(readOnly),
      form_(form) {
    // openPack never gives an empty pack; a caller's mistake still leaves one to edit.
    if (stages_.empty()) stages_.push_back(blankStage());
    if (count() > kMaxPackStages) stages_.resize(kMaxPackStages);
    info_.stageCount = count();
}

const game::StageDesc& PackDocument::stage(int index) const {
    return stages_.at(static_cast<std::size_t>(index));
}

void PackDocument::setInfo(const game::PackInfo& info) {
    info_ = info;
    info_.stageCount = count();
}

game::Pack PackDocument::pack() const {
    game::Pack p{info_, stages_};
    p.info.stageCount = count();
    return p;
}

void PackDocument::savedTo(std::string folder, PackForm form) {
    folder_ = std::move(folder);
    form_ = form;
    readOnly_ = false;
}

bool PackDocument::select(int index) {
    if (!contains(index)) return false;
    current_ = index;
    return true;
}

bool PackDocument::add() { return insert(current_ + 1, blankStage()); }

bool PackDocument::duplicate() { return insert(current_ + 1, currentStage()); }

bool PackDocument::insert(int index, const game::StageDesc& stage) {
    if (!canAdd() || index < 0 || index > count()) return false;
    stages_.insert(stages_.begin() + index, stage);
    current_ = index;
    info_.stageCount = count();
    return true;
}

bool PackDocument::remove(int index) {
    if (!canRemove() || !contains(index)) return false;
    stages_.erase(stages_.begin() + index);
    current_ = std::min(index, count() - 1);
    info_.stageCount = count();
    return true;
}

bool PackDocument::move(int from, int to) {
    if (!contains(from) || !contains(to)) return false;
    const auto first = stages_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    current_ = to;
    return true;
}

void PackDocument::setContents(PackContents contents) {
    stages_ = std::move(contents.stages);
    if (stages_.empty()) stages_.push_back(blankStage());
    if (count() > kMaxPackStages) stages_.resize(kMaxPackStages);
    setInfo(contents.info);
    current_ = contains(contents.current) ? contents.current : 0;
}

bool PackDocument::setStage(int index, const game::StageDesc& stage) {
    if (!contains(index)) return false;
    stages_[static_cast<std::size_t>(index)] = stage;
    current_ = index;
    return true;
}

}  // namespace workshop
