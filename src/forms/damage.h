#pragma once

#include <vector>

#include "forms/control.h"

namespace forms {

class Form;

// A rectangle of client pixels: x and y of the top left corner, then the size.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const Rect&) const = default;
};

// The pixels a control covers. Edges are rounded rather than sizes, so
// controls that abut in fractional pixels still abut on the screen.
Rect pixelBounds(const Control& control);

// What has to be drawn again since the front end last asked.
struct Damage {
    bool whole = false;  // the whole client area
    // Otherwise these: old and new bounds of each changed control, those that
    // meet the client area.
    std::vector<Rect> rects;

    bool none() const { return !whole && rects.empty(); }
};

// Remembers how a form looked when it was last drawn and tells what has
// changed since. Handlers write control properties directly, so the change
// is found by comparison when asked rather than by every write reporting it;
// a program without a screen never pays for it.
class DamageTracker {
public:
    // The first call asks for the whole form.
    Damage collect(const Form& form);

private:
    struct Drawn {
        Rect bounds;
        bool onWindow = false;  // meets the client area
        Control look;
    };
    bool started_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    Color backColor_ = kWhite;
    Picture background_;
    std::vector<Drawn> drawn_;
};

}  // namespace forms
