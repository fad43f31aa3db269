#pragma once

#include <memory>
#include <string>

#include "game/file_error.h"
#include "game/overlay_files.h"
#include "game/pack.h"
#include "ui/lumora_program.h"

namespace ui {

// A pack named when the game starts, a pack file or a pack folder, played as
// the game plays its own stages. Its stage and answer files are held in
// memory in a folder of their own laid over the disk, so a pack file is never
// unpacked anywhere; its save lives in the player's data folder for that pack
// (game::packSaveFolder), apart from the game's own.
class PackPlay {
public:
    // The folder the pack's files are held in, which no disk has.
    static constexpr const char* kStageFolder = "/lumora-pack";

    // Reads and checks the whole pack through the file layer in use, which
    // then lies under the pack's files. Nothing is written: a pack that does
    // not open leaves no trace, and the save folder is made only when the
    // game starts.
    static game::FileResult<std::unique_ptr<PackPlay>> open(const std::string& path,
                                                            const std::string& xdgDataHome,
                                                            const std::string& home);

    // The file layer the game is to be played on, for as long as it runs.
    game::FileIo& files() { return files_; }
    const game::PackInfo& info() const { return info_; }
    const std::string& saveFolder() const { return saveFolder_; }
    // What the windows' titles call the pack: its name, or its file's or
    // folder's when it has none.
    std::string title() const;

    // The game on the pack, not yet started.
    std::unique_ptr<LumoraProgram> program(float screenTwipsPerPixel) const;

    PackPlay(const std::string& path, game::Pack pack, std::string saveFolder);

private:
    std::string path_;
    game::PackInfo info_;
    std::string saveFolder_;
    game::OverlayFiles files_;
};

}  // namespace ui
