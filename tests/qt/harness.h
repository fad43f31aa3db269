#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qt/form_window.h"
#include "qt/window_manager.h"
#include "support/fixture.h"
#include "ui/lumora_program.h"

namespace qt_testing {

// The real front end on a program folder of its own, with a hand-moved clock
// and the end of the program caught instead of shown.
class Harness {
public:
    // With realTime the front end follows the real clock, as the game does;
    // otherwise it reads `now`.
    explicit Harness(float twips = 15.0f, std::string folder = {}, bool realTime = false);
    ~Harness();

    testing_support::TempFolder& temp() { return temp_; }
    const std::string& folder() const { return folder_; }
    // A stage and its answer, as the stage files hold them.
    void addStage(int n, const std::vector<std::string>& rows, const std::string& target,
                  const std::string& budget, const std::vector<std::string>& answer = {});
    void setSave(const std::string& bytes) { temp_.write("save.bkm", bytes); }

    void start();
    ui::LumoraProgram& game() { return *game_; }
    qtfront::WindowManager& windows() { return *windows_; }
    qtfront::FormWindow* window(const std::string& form) { return windows_->widget(form); }

    std::int64_t now = 0;  // virtual milliseconds the front end reads as real time
    std::vector<QString> errors;
    std::vector<QString> told;  // messages shown while play goes on
    std::optional<int> exitCode;

    // Left click at a pixel of an open window, as the player makes it.
    void clickAt(const std::string& form, QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void pressAt(const std::string& form, QPoint pixel, Qt::MouseButton button);
    void releaseAt(const std::string& form, QPoint pixel, Qt::MouseButton button);
    // Centre of a control of an open form, in window pixels.
    QPoint centreOf(const std::string& form, const std::string& control, int index = -1);
    // The window drawn afresh from top to bottom, pixel for pixel.
    QImage grab(const std::string& form);
    // What the window holds after the paints it has asked for so far, each of
    // only what changed (the offscreen platform keeps it as painted).
    QImage painted(const std::string& form);
    // The form as a renderer of its own, with nothing kept from earlier
    // paints, draws all of it.
    QImage freshPaint(const std::string& form);
    // Moves the clock on and lets the wake-up run, then paints.
    void tick(std::int64_t ms);

private:
    testing_support::TempFolder temp_;
    std::string folder_;
    float twips_;
    bool realTime_;
    std::unique_ptr<ui::LumoraProgram> game_;
    std::unique_ptr<qtfront::WindowManager> windows_;
};

// Stage 1 with the character on (5, 6) over a floor of walls, opened with Load,
// the block target as given and 21 magic.
void openFloorStage(Harness& h, const std::string& target);

// A stage that shows every kind of cell, with the character in the middle of
// a floor of walls, and an answer with every kind of mark.
void addShowcaseStage(Harness& h, int n);

}  // namespace qt_testing
