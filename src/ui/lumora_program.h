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

    forms::Program& program() { return program_; }
    game::LumoraBas& bas() { return bas_; }

    // Makes sure a save file exists (a first game needs one), then opens the menu.
    void start();

    MainWindow* gameWindow() const;
    Menu* menu() const;

private:
    game::LumoraBas bas_;
    forms::Program program_;
};

}  // namespace ui
