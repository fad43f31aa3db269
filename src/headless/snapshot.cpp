#include "headless/snapshot.h"

#include <charconv>
#include <cmath>

#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace headless {

std::string positionText(float value) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc{} ? std::string(buf, end) : std::string("?");
}

namespace {

std::string escapeBytes(const std::string& bytes) {
    std::string out;
    for (char ch : bytes) {
        if (ch == '\r')
            out += "\\r";
        else if (ch == '\n')
            out += "\\n";
        else
            out.push_back(ch);
    }
    return out;
}

}  // namespace

std::string snapshot(const ui::LumoraProgram& gameProgram) {
    auto& game = const_cast<ui::LumoraProgram&>(gameProgram);
    const game::LumoraBas& b = game.bas();
    ui::MainWindow* win = game.gameWindow();
    ui::Menu* menu = game.menu();
    std::string s = "t=" + std::to_string(game.program().clock().now());
    s += " forms=";
    s += menu && win ? "menu+game" : menu ? "menu" : win ? "game" : "none";
    s += " mode=" + std::to_string(b.MenuMode);
    s += " stage=" + b.stageText();
    auto save = game::readSaveBytes(b.saveFolder());
    s += " save=" + (save ? escapeBytes(*save) : std::string("none"));
    if (win) {
        const ui::GameWindow& w = win->controls();
        s += " x=" + positionText(w.AnimeFrame->Left);
        s += " y=" + positionText(w.AnimeFrame->Top);
        s += " col=" + std::to_string(b.PlayerCol);
        s += " row=" + std::to_string(b.PlayerRow);
        s += std::string(" facing=") + (b.FacingRight == 1 ? "R" : "L");
        s += " pic=" +
             (w.AnimeFrame->picture.empty() ? std::string("-") : w.AnimeFrame->picture.name);
        s += " magic=" + w.txtMagic->Text;
        s += " stone=" + w.txtStone->Text;
        s += " green=" + w.txtGreen->Text;
        s += " stageno=" + w.StageNo->Caption;
        std::string timers;
        for (const forms::Timer& t : win->timers()) {
            if (!t.Enabled()) continue;
            if (!timers.empty()) timers += ",";
            timers += t.name() + ":" + std::to_string(t.Interval());
        }
        s += " timers=" + (timers.empty() ? std::string("-") : timers);
    }
    if (menu) {
        std::string names;
        for (const forms::Control* c : menu->visibleButtons()) {
            if (!names.empty()) names += ",";
            names += c->name;
        }
        s += " menu=" + (names.empty() ? std::string("-") : names);
        s += " menusize=" + std::to_string(std::lround(menu->Width)) + "x" +
             std::to_string(std::lround(menu->Height));
    }
    return s;
}

std::string boardText(const game::LumoraBas& b) {
    std::string out;
    for (int r = 1; r <= game::kBoardSide; ++r) {
        for (int c = 1; c <= game::kBoardSide; ++c)
            out.push_back(game::cellInfo(b.kindAt(c, r)).letter);
        out.push_back('\n');
    }
    return out;
}

std::string answerText(const ui::MainWindow& window) {
    const ui::GameWindow& w = window.controls();
    std::string out;
    for (int k = 1; k <= 81; ++k) {
        const forms::Control& box = *w.Ans[static_cast<std::size_t>(k)];
        game::AnswerMark mark =
            box.BackColor == forms::kWhite ? game::AnswerMark::Answer : game::AnswerMark::None;
        if (const auto kind = game::kindOfPicture(box.picture.name))
            mark = game::cellInfo(*kind).mark;
        out.push_back(game::markLetter(mark));
        if (k % 9 == 0) out.push_back('\n');
    }
    return out;
}

}  // namespace headless
