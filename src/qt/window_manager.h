#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <string>

#include "qt/mouse_router.h"
#include "qt/picture_library.h"
#include "qt/realtime_clock.h"
#include "ui/lumora_program.h"

namespace qtfront {

class FormWindow;

// Keeps one on-screen window per open form, passes the player's input to the
// program with the clock caught up first, and after every event brings the
// windows, the wake-up timer and the end of the program in line with it.
class WindowManager {
public:
    struct Hooks {
        // Shows a fatal error to the player (a message box unless replaced).
        std::function<void(const QString&)> reportError;
        // Shows a message that does not stop the game (a window of its own
        // that the player closes while play goes on, unless replaced).
        std::function<void(const QString&)> tellPlayer;
        // Ends the application with this status (leaves the event loop unless replaced).
        std::function<void(int)> finish;
    };

    explicit WindowManager(ui::LumoraProgram& game, ClockDriver::Elapsed elapsed = {},
                           Hooks hooks = {});
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    enum class Opening { Menu, Game };
    // Opens the menu, or the game window on stage 1, and shows it.
    void start(Opening opening = Opening::Menu);

    // Runs the ticks due by now before an input is looked at, so the input
    // meets the board as it stands. False when the form has closed meanwhile.
    bool catchUpFor(const forms::Form* form);
    // Hands a mouse event to the program; the caller has caught up and found
    // the form open.
    void deliver(const forms::Form& form, const MouseDelivery& delivery);
    void closeRequested(const forms::Form& form);

    // Every window's title names the pack being played after its own
    // caption (" Menu — Tower of Pools"); empty for the game's own stages.
    void nameWindowsAfter(QString packName) { packName_ = std::move(packName); }
    QString titleFor(const std::string& caption) const;

    // The window of the open form with this name, or null.
    FormWindow* widget(const std::string& formName) const;
    ClockDriver& clock() { return clock_; }
    PictureLibrary& pictures() { return pictures_; }

    bool finished() const { return finished_; }
    int exitCode() const { return exitCode_; }

private:
    bool isOpen(const forms::Form* form) const;
    void afterEvent();
    void sync();
    void end();

    ui::LumoraProgram& game_;
    ClockDriver clock_;
    Hooks hooks_;
    PictureLibrary pictures_;
    std::map<const forms::Form*, FormWindow*> widgets_;
    std::map<std::string, QRect> lastPlace_;  // by form name, where its last window stood
    QString packName_;
    bool finished_ = false;
    int exitCode_ = 0;
};

// The screen's twips per pixel, as the game lays its windows out by.
float screenTwipsPerPixel();

}  // namespace qtfront
