#pragma once

#include <string>

#include "forms/program.h"
#include "game/lumora_bas.h"

namespace ui {

class MainWindow;
class Menu;

// The whole game: the game module, the two windows and the thread of events
// that joins them. The front end and the replay driver both drive this.
class LumoraProgram {
public:
    LumoraProgram(std::string programFolder, float screenTwipsPerPixel);
    LumoraProgram(std::string stageFolder, std::string saveFolder, float screenTwipsPerPixel,
                  int stageCount = game::kStageCount);

    forms::Program& program() { return program_; }
    game::LumoraBas& bas() { return bas_; }

    // Makes sure a save file exists (a first game needs one), then opens the
    // menu; a save that cannot be made is told, not fatal.
    void start();
    // Opens the game window on stage 1 as New Game does, with no menu first:
    // the workshop plays the stage it edits this way.
    void startGame();

    MainWindow* gameWindow() const;
    Menu* menu() const;

private:
    game::LumoraBas bas_;
    forms::Program program_;
};

// Writes the save file and tells the player when that failed; play goes on.
void saveOrTell(forms::Program& program, game::LumoraBas& bas);
game::Phrase savePlayerMessage(const game::FileError& e);

}  // namespace ui
