#include "ui/lumora_program.h"

#include "game/translatable.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace ui {

LumoraProgram::LumoraProgram(std::string programFolder, float screenTwipsPerPixel)
    : LumoraProgram(programFolder, programFolder, screenTwipsPerPixel) {}

LumoraProgram::LumoraProgram(std::string stageFolder, std::string saveFolder,
                             float screenTwipsPerPixel, int stageCount)
    : bas_(std::move(stageFolder), std::move(saveFolder), stageCount),
      program_(screenTwipsPerPixel) {
    program_.registerForm(MainWindow::kName, [this](forms::Program& p) {
        return std::make_unique<MainWindow>(p, bas_);
    });
    program_.registerForm(Menu::kName,
                          [this](forms::Program& p) { return std::make_unique<Menu>(p, bas_); });
}

void LumoraProgram::start() {
    if (auto e = bas_.ensureSaveFile()) program_.tell(savePlayerMessage(*e));
    program_.start(Menu::kName);
}

void LumoraProgram::startGame() {
    // The menu's load measures the screen; opened without it, the game
    // window would take its sizes for a screen it was never told of.
    bas_.TwipsPerPixel = program_.screenTwipsPerPixel();
    bas_.intStartFrag = 1;
    bas_.intStageNo = 1;
    program_.start(MainWindow::kName);
}

game::Phrase savePlayerMessage(const game::FileError& e) {
    return game::plain("%1\n\n%2",
                       {game::nested(e.words),
                        game::nested(game::phrase(
                            game::kGameWords, QT_TRANSLATE_NOOP("Game",
                                                                "Play goes on: the game keeps your "
                                                                "progress while it runs.")))});
}

void saveOrTell(forms::Program& program, game::LumoraBas& bas) {
    if (auto e = bas.WriteSaveFile()) program.tell(savePlayerMessage(*e));
}

MainWindow* LumoraProgram::gameWindow() const {
    return static_cast<MainWindow*>(program_.find(MainWindow::kName));
}

Menu* LumoraProgram::menu() const { return static_cast<Menu*>(program_.find(Menu::kName)); }

}  // namespace ui
