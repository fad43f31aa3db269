#include "ui/lumora_program.h"

#include "ui/main_window.h"
#include "ui/menu.h"

namespace ui {

LumoraProgram::LumoraProgram(std::string programFolder, float screenTwipsPerPixel)
    : bas_(std::move(programFolder)), program_(screenTwipsPerPixel) {
    program_.registerForm(MainWindow::kName, [this](forms::Program& p) {
        return std::make_unique<MainWindow>(p, bas_);
    });
    program_.registerForm(Menu::kName,
                          [this](forms::Program& p) { return std::make_unique<Menu>(p, bas_); });
}

void LumoraProgram::start() {
    program_.deliver([this] {
        if (auto e = bas_.ensureSaveFile()) throw forms::FatalError(e->message);
    });
    if (program_.ended()) return;
    program_.start(Menu::kName);
}

MainWindow* LumoraProgram::gameWindow() const {
    return static_cast<MainWindow*>(program_.find(MainWindow::kName));
}

Menu* LumoraProgram::menu() const { return static_cast<Menu*>(program_.find(Menu::kName)); }

}  // namespace ui
