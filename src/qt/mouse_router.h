#pragma once

#include <QPoint>
#include <Qt>
#include <optional>
#include <string>

#include "forms/form.h"

namespace qtfront {

// The topmost control of the form under a pixel, whatever its kind; null over
// the bare window.
const forms::Control* controlAt(const forms::Form& form, QPoint pixel);

// The game's number for a mouse button: 1 left, 2 right, 4 middle; 0 for the
// buttons it has no number for.
int buttonNumber(Qt::MouseButton button);

// What one press or release means to the program.
struct MouseDelivery {
    enum class Kind { MouseDown, MouseUp, Click };
    Kind kind;
    std::string control;
    int index = -1;
    int button = 0;
};

// Turns the presses and releases on one window into the events its form takes.
// Like a classic window system it captures the mouse: once a control that takes
// the mouse has been pressed, every press and release goes to it until the last
// button is up. A picture button clicks when the left button is released over
// the button it went down on.
class MouseRouter {
public:
    std::optional<MouseDelivery> press(const forms::Form& form, QPoint pixel,
                                       Qt::MouseButton button);
    std::optional<MouseDelivery> release(const forms::Form& form, QPoint pixel,
                                         Qt::MouseButton button);
    void move(const forms::Form& form, QPoint pixel);

    // The picture button held down with the pointer still over it, to draw sunk.
    const forms::Control* pressedButton(const forms::Form& form) const;

private:
    struct Target {
        std::string name;
        int index = -1;
    };
    std::optional<Target> captured_;
    int buttonsDown_ = 0;  // game button numbers or-ed together
    std::optional<Target> button_;
    bool overButton_ = false;
};

}  // namespace qtfront
