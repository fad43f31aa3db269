#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/clock.h"
#include "forms/control.h"
#include "forms/damage.h"
#include "game/phrase.h"

namespace forms {

class Program;

// A fatal error of the program (a bad stage file, a save file that cannot be
// written). Thrown from inside a handler; the program ends with its message,
// which a front end may show translated.
class FatalError : public std::runtime_error {
public:
    explicit FatalError(const std::string& english)
        : std::runtime_error(english), words_(game::plain(english)) {}
    explicit FatalError(game::Phrase words)
        : std::runtime_error(game::english(words)), words_(std::move(words)) {}
    const game::Phrase& words() const { return words_; }

private:
    game::Phrase words_;
};

// A window: its controls in stacking order (bottom first), its timers, and its
// events. Subclasses build their layout in the constructor.
class Form {
public:
    Form(Program& program, std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& name() const { return name_; }
    Program& program() { return program_; }

    // Window properties. Width and Height are the outer size in twips.
    std::string Caption;
    float Width = 0;
    float Height = 0;
    Color BackColor = kWhite;
    Picture picture;  // background, drawn at natural size from the client's corner

    // Twips per pixel of the screen the form was created on.
    float twipsPerPixel() const { return twipsPerPixel_; }
    // Client area in pixels, for a fixed single border: 3 pixels on each side
    // and a caption bar, 6 pixels across and 24 down in all.
    int clientWidth() const;
    int clientHeight() const;

    const std::deque<Control>& controls() const { return controls_; }
    std::deque<Control>& controls() { return controls_; }
    const std::deque<Timer>& timers() const { return timers_; }
    Control* find(const std::string& name, int index = -1);
    const Control* find(const std::string& name, int index = -1) const;
    Timer* findTimer(const std::string& name);

    // The rectangles to draw again since the last call: old and new bounds of
    // every control whose place, size, picture, text or colour changed; the
    // whole form the first time and whenever the window itself changed.
    Damage takeDamage() { return damage_.collect(*this); }

    // Events, delivered by the program.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void click(const std::string& /*control*/) {}
    virtual void mouseDown(Control& /*control*/, int /*button*/) {}
    virtual void mouseUp(Control& /*control*/, int /*button*/) {}
    // Whether a control takes mouse presses (the front end asks before hit-testing).
    virtual bool takesMouse(const Control& /*control*/) const { return false; }

protected:
    // Adds a control with its layout values in twips, converted to pixels for
    // this screen; pictured images then take their picture's size.
    Control& add(Control control);
    Control& add(Kind kind, std::string name, int index, float leftTw, float topTw, float widthTw,
                 float heightTw);
    Timer& addTimer(std::string name, int interval);

private:
    friend class Program;
    Program& program_;
    std::string name_;
    float twipsPerPixel_;
    std::deque<Control> controls_;
    std::deque<Timer> timers_;
    DamageTracker damage_;
};

}  // namespace forms
