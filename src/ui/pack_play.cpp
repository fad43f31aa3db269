#include "ui/pack_play.h"

#include <filesystem>

#include "game/pack_file.h"
#include "game/save_folder.h"

namespace ui {

game::FileResult<std::unique_ptr<PackPlay>> PackPlay::open(const std::string& path,
                                                           const std::string& xdgDataHome,
                                                           const std::string& home) {
    // The game plays the stages and never a carried solution.
    auto contents = game::openAnyPack(path, game::Solutions::Unread);
    if (auto* e = std::get_if<game::FileError>(&contents)) return std::move(*e);
    auto save = game::packSaveFolder(path, xdgDataHome, home);
    if (auto* e = std::get_if<game::FileError>(&save)) return std::move(*e);
    return std::make_unique<PackPlay>(path, std::move(std::get<game::PackContents>(contents).pack),
                                      std::move(std::get<std::string>(save)));
}

PackPlay::PackPlay(const std::string& path, game::Pack pack, std::string saveFolder)
    : path_(path),
      info_(pack.info),
      saveFolder_(std::move(saveFolder)),
      files_(kStageFolder, game::fileIo()) {
    game::putPackFiles(files_.memory(), pack);
}

std::string PackPlay::title() const {
    if (!info_.name.empty()) return info_.name;
    std::filesystem::path p = std::filesystem::path(path_).lexically_normal();
    if (!p.has_filename()) p = p.parent_path();
    return p.filename().string();
}

std::unique_ptr<LumoraProgram> PackPlay::program(float screenTwipsPerPixel) const {
    return std::make_unique<LumoraProgram>(kStageFolder, saveFolder_, screenTwipsPerPixel,
                                           info_.stageCount);
}

}  // namespace ui
