#include "support/fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "game/pack.h"
#include "headless/snapshot.h"

namespace fs = std::filesystem;

namespace testing_support {

TempFolder::TempFolder() {
    std::random_device rd;
    fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path p = base / ("lumora-test-" + std::to_string(rd()));
        if (fs::create_directory(p)) {
            path_ = p.string();
            break;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(fs::path(path_) / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(fs::path(path_) / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TempFolder::exists(const std::string& name) const {
    return fs::exists(fs::path(path_) / name);
}

void TempFolder::remove(const std::string& name) const { fs::remove(fs::path(path_) / name); }

std::vector<std::string> TempFolder::files() const {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(path_)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> onFloor(int floorRows, std::vector<std::string> top) {
    while (static_cast<int>(top.size()) < 9 - floorRows) top.insert(top.begin(), ".........");
    top.insert(top.end(), floorRows, "KKKKKKKKK");
    return top;
}

std::string stageFile(const std::vector<std::string>& rows, const std::string& target,
                      const std::string& budget) {
    std::string s;
    for (const auto& r : rows) s += r + "\r\n";
    for (std::size_t i = rows.size(); i < 9; ++i) s += ".........\r\n";
    return s + target + "\r\n" + budget + "\r\n";
}

std::vector<std::string> oneBlockStage() { return onFloor(4, {"....P...."}); }

void writeStage(const TempFolder& folder, int n, const std::vector<std::string>& rows,
                const std::string& target, const std::string& budget,
                const std::vector<std::string>& answer) {
    folder.write(game::stageFileName(n), stageFile(rows, target, budget));
    folder.write(game::answerFileName(n),
                 stageFile(answer.empty() ? std::vector<std::string>(9, ".........") : answer,
                           target, budget));
}

void writePackIni(const TempFolder& folder, int stages) {
    folder.write(game::kPackFileName,
                 "[Pack]\r\nName=Test\r\nStages=" + std::to_string(stages) + "\r\n");
}

void Game::makePack(int stages) {
    writePackIni(folder_, stages);
    stageCount_ = stages;
}

void Game::start() {
    game_ =
        std::make_unique<ui::LumoraProgram>(folder_.path(), folder_.path(), twips_, stageCount_);
    game_->start();
}

void Game::load(int stage) {
    setSave(std::to_string(stage) + "\r\n");
    start();
    click("menu", "Command2");
}

ui::MainWindow& Game::win() {
    ui::MainWindow* w = game_->gameWindow();
    if (w == nullptr) throw std::runtime_error("the game window is not open");
    return *w;
}

void Game::down(int k, int button) {
    game_->program().mouseDown(ui::MainWindow::kName, "Tile", k, button);
}

void Game::up(int k, int button) {
    game_->program().mouseUp(ui::MainWindow::kName, "Tile", k, button);
}

void Game::click(const std::string& form, const std::string& button) {
    game_->program().click(form == "menu" ? ui::Menu::kName : ui::MainWindow::kName, button);
}

void Game::wait(std::int64_t ms) { game_->program().advance(ms); }

std::int64_t Game::now() const { return game_->program().clock().now(); }

std::string Game::timers() {
    std::string out;
    for (const forms::Timer& t : win().timers()) {
        if (!t.Enabled()) continue;
        if (!out.empty()) out += ",";
        out += t.name() + ":" + std::to_string(t.Interval());
    }
    return out.empty() ? "-" : out;
}

std::string Game::board() { return headless::boardText(bas()); }

}  // namespace testing_support
