#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "game/lumora_bas.h"
#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace testing_support {

// A program folder of its own under the system's temporary folder, removed
// again at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    void remove(const std::string& name) const;
    // Names of every file in the folder, sorted.
    std::vector<std::string> files() const;

private:
    std::string path_;
};

// The Tile index of column c, row r (both from 1).
constexpr int cell(int c, int r) { return 9 * (r - 1) + c; }

// The given rows, padded with empty rows above to stand on a floor of
// `floorRows` rows of walls at the bottom of the board.
std::vector<std::string> onFloor(int floorRows, std::vector<std::string> top);

// A stage file: nine board rows, then the target and budget lines, CR LF.
std::string stageFile(const std::vector<std::string>& rows, const std::string& target,
                      const std::string& budget);

// The character on (5, 5) over a floor of walls: a block cast on either side
// reaches a target of one, and the budget decides whether that is a clear.
std::vector<std::string> oneBlockStage();

// Writes stage `n` and its answer (all dots unless given) into the folder.
void writeStage(const TempFolder& folder, int n, const std::vector<std::string>& rows,
                const std::string& target, const std::string& budget,
                const std::vector<std::string>& answer = {});

// Makes the folder a pack of `stages` stages (the stage files are not written).
void writePackIni(const TempFolder& folder, int stages);

// A whole game in a folder of its own, driven through the same entry points as
// the front end, in virtual time.
class Game {
public:
    explicit Game(float twips = 15.0f) : twips_(twips) {}

    TempFolder& folder() { return folder_; }
    // Writes stage and answer files for stage `n` (the answer is all dots
    // unless given).
    void addStage(int n, const std::vector<std::string>& rows, const std::string& target,
                  const std::string& budget, const std::vector<std::string>& answer = {}) {
        writeStage(folder_, n, rows, target, budget, answer);
    }
    // Makes the folder a pack of `stages` stages; the game started next plays it.
    void makePack(int stages);
    // Writes stage 1 and opens it through the menu's Load.
    void play(const std::vector<std::string>& rows, const std::string& target,
              const std::string& budget, const std::vector<std::string>& answer = {}) {
        addStage(1, rows, target, budget, answer);
        load(1);
    }
    void setSave(const std::string& bytes) { folder_.write("save.bkm", bytes); }
    // Starts the program: the menu opens.
    void start();
    // Starts at the menu, then Load: the saved stage opens.
    void load(int stage);

    ui::LumoraProgram& program() { return *game_; }
    game::LumoraBas& bas() { return game_->bas(); }
    ui::MainWindow& win();
    ui::GameWindow& w() { return win().controls(); }
    forms::Control& sprite() { return *w().AnimeFrame; }
    bool gameOpen() const { return game_->gameWindow() != nullptr; }
    bool menuOpen() const { return game_->menu() != nullptr; }

    void down(int k, int button);
    void up(int k, int button);
    void tap(int k, int button) {
        down(k, button);
        up(k, button);
    }
    // Left click on column c of row r.
    void walkTo(int c, int r) { tap(cell(c, r), 1); }
    void cast(int c, int r) { tap(cell(c, r), 2); }
    void click(const std::string& form, const std::string& button);
    void wait(std::int64_t ms);
    std::int64_t now() const;

    // Enabled timers in table order, "LeftWalkTimer:100,FallTimer:100", or "-".
    std::string timers();
    std::string pic() { return sprite().picture.name; }
    std::string board();

private:
    float twips_;
    int stageCount_ = game::kStageCount;
    TempFolder folder_;
    std::unique_ptr<ui::LumoraProgram> game_;
};

}  // namespace testing_support
