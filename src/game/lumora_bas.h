#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/cast.h"
#include "game/files.h"

namespace game {

// Columns and rows 0..9 as the grids hold them, column first.
using Grid = std::array<std::array<std::int16_t, 10>, 10>;

// What a cast did, for the game window to show: the cell and counters it
// changed and the outcome sequence it starts. A click off the board does
// nothing at all.
struct CastReport {
    std::optional<CastChange> change;  // none on a wall, which stays as it is
    bool magicRanOut = false;          // MagicCount was set to 0
    bool gameOver = false;             // the game over starts
    bool stageClear = false;           // the stage clear starts
};

// The game module: every shared variable under its own name, and the shared
// procedures as rules on them. It knows no window: the game window reads the
// sprite's position into the probes and shows what the procedures changed.
// One lives for the whole run; a fresh one is a fresh program.
class LumoraBas {
public:
    // Run from its own folder the game reads its stages and keeps its save in
    // one folder; installed, or playing a pack from the workshop, the two are
    // apart. `stageCount` is how many stages the stage folder holds: after
    // the last, Stage Clear goes back to the first.
    explicit LumoraBas(std::string programFolder);
    LumoraBas(std::string stageFolder, std::string saveFolder, int stageCount = kStageCount);

    // ---- Board
    Grid SandGrid{};
    Grid BlockGrid{};
    Grid WaterGrid{};
    Grid WallGrid{};
    Grid SolidGrid{};

    // Every grid read goes through these. Beyond column 9 or row 9 lies the
    // board's edge: solid to the character, and no block for the goal check.
    std::int16_t solidAt(int c, int r) const;
    std::int16_t blockAt(int c, int r) const;

    // ---- Character
    std::int16_t PlayerCol = 0;
    std::int16_t PlayerRow = 0;
    std::int16_t OnColumn = 0;
    std::int16_t OnRow = 0;
    std::int16_t FacingLeft = 0;
    std::int16_t FacingRight = 0;
    std::int16_t CanWalkLeft = 0;
    std::int16_t CanWalkRight = 0;
    std::int16_t CanFall = 0;
    std::int16_t CanJumpLeft = 0;
    std::int16_t CanJumpRight = 0;

    // ---- Clicked cell
    std::int16_t ClickCol = 0;
    std::int16_t ClickRow = 0;

    // ---- Counters of the stage
    std::int16_t BlockCount = 0;
    std::int16_t BlockTarget = 0;
    std::int16_t WaterCount = 0;
    std::int16_t MagicCount = 0;
    std::int16_t intSucsessFrag = 0;

    // ---- Progress; the stage number is empty until first set
    std::optional<std::int32_t> intStageNo;
    std::int16_t intStartFrag = 0;

    // ---- Screen and menu
    float TwipsPerPixel = 0;
    std::int16_t MenuMode = 0;

    // ---- Scratch buffers of the file readers
    MapLines MapLine{};
    std::array<std::array<std::string, 10>, 10> MapCell{};

    // ---- Animation counters; they outlive every window, but a new game
    // window starts the climbs over (MainWindow::Form_Load)
    std::int16_t WalkFrame = 0;
    std::int16_t WalkFrameStep = 0;
    std::int16_t RightWalkFrame = 0;
    std::int16_t RightWalkFrameStep = 0;
    std::int16_t LeftJumpFrame = 0;
    std::int16_t LeftJumpFrameStep = 0;
    std::int16_t LeftJumpPhase = 0;
    std::int16_t RightJumpFrame = 0;
    std::int16_t RightJumpFrameStep = 0;
    std::int16_t RightJumpPhase = 0;
    std::int16_t StageClearLeftFrame = 0;
    std::int16_t StageClearRightFrame = 0;
    std::int16_t GameOverLeftFrame = 0;
    std::int16_t GameOverRightFrame = 0;

    // ---- Files
    // The folder the stage and answer files are read from.
    std::string AppFolder() const;
    std::string saveFolder() const;
    int stageCount() const { return stageCount_; }
    // Writes intStageNo. A save that cannot be written never ends the game:
    // the stage it should have held is kept here and stage set-up takes it
    // from here until a write succeeds. Returns the failure only when it is
    // news (not the same failure as the last write's), so the player is told
    // once, not at every save.
    std::optional<FileError> WriteSaveFile();
    // Creates a save file holding 1 when there is none, so the first game
    // finds one; failing that, the first game starts on stage 1 all the same.
    std::optional<FileError> ensureSaveFile();
    // The stage number stage set-up starts from: the one a failed write kept,
    // else the save file's.
    FileResult<std::int32_t> readSave() const;

    // ---- Stage set-up
    // The grids, counters and the character's cell from the saved stage's
    // file; the character faces left.
    std::optional<FileError> LoadStage();
    // The stage's answer file into `answer`.
    std::optional<FileError> LoadAnswerMarks(StageDesc& answer);

    // ---- Cell alignment and neighbour probes, from the sprite's position in
    // pixels. The side probes return whether the walk has arrived: on the
    // clicked column every walk and climb stops.
    void UpdatePlayerCell(float left, float top);
    bool ProbeLeft(float top);
    bool ProbeRight(float top);
    void ProbeBelow(float left);
    bool ProbeLeftJump();
    bool ProbeRightJump();

    // ---- Tile rules
    // A cast on the clicked cell. A stage clear starts only while no game
    // over runs, `gameOverRunning` being one started before.
    CastReport CastMagic(bool gameOverRunning);
    // What the cell holds, a wall before water, water before sand, sand
    // before a block, as a cast reads the grids.
    CellKind kindAt(int c, int r) const;

    // The stage number as the tray shows it: empty while it is empty.
    std::string stageText() const;

private:
    // What stops the character, as the moves from an aligned cell ask it (steps.h).
    auto stops() const {
        return [this](int c, int r) { return solidAt(c, r) == 1; };
    }
    bool probeSide(int dx, std::int16_t& canWalk, float top);
    bool probeJump(int dx, std::int16_t& canWalk, std::int16_t& canJump);
    Grid* gridOf(CellKind kind);
    void applyCast(int c, int r, CellKind before, const CastChange& change);
    void keepLines(const MapLines& lines);
    std::optional<FileError> writeSave(std::int32_t stage);

    std::string folder_;
    std::string saveFolder_;
    int stageCount_;
    std::optional<std::int32_t> unsaved_;
    std::string lastSaveError_;
};

// Decimal text: digits with a leading "-" when negative, no blanks.
std::string decimalText(long value);

// Adds to a 16-bit counter, stopping at its limits instead of wrapping.
void addClamped(std::int16_t& value, int delta);

}  // namespace game
