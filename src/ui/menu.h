#pragma once

#include <string>

#include "forms/form.h"
#include "game/lumora_bas.h"

namespace ui {

// The menu: title screen, and the screen between stages.
class Menu : public forms::Form {
public:
    static constexpr const char* kName = "Menu";

    Menu(forms::Program& program, game::LumoraBas& bas);

    void Form_Load() override;
    void click(const std::string& control) override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // The buttons a player can see: those inside the client area, top first.
    std::vector<const forms::Control*> visibleButtons() const;

private:
    void reopenGame();

    game::LumoraBas& bas_;
};

}  // namespace ui
