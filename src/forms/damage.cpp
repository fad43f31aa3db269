#include "forms/damage.h"

#include "forms/form.h"

namespace forms {
namespace {

bool samePlace(const Control& a, const Control& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

// Everything else the front end reads to draw a control, numbers first.
bool sameLook(const Control& a, const Control& b) {
    return a.kind == b.kind && a.Stretch == b.Stretch && a.FontSize == b.FontSize &&
           a.FontBold == b.FontBold && a.BackColor == b.BackColor && a.ForeColor == b.ForeColor &&
           a.Enabled == b.Enabled && a.picture == b.picture && a.Caption == b.Caption &&
           a.Text == b.Text && a.FontName == b.FontName;
}

bool meets(const Rect& r, int width, int height) {
    return !r.empty() && r.x < width && r.y < height && r.x + r.width > 0 && r.y + r.height > 0;
}

void addRect(std::vector<Rect>& rects, const Rect& r) {
    if (!r.empty()) rects.push_back(r);
}

}  // namespace

// Halves away from zero, as lround does, without its call: bounds are worked
// out for every control on every paint. A float plus a half is exact in double.
int roundEdge(float edge) {
    const double d = edge;
    return static_cast<int>(d >= 0 ? d + 0.5 : -static_cast<int>(-d + 0.5));
}

Rect pixelBounds(const Control& c) {
    const int x0 = roundEdge(c.Left), y0 = roundEdge(c.Top);
    const int x1 = roundEdge(c.Left + c.Width), y1 = roundEdge(c.Top + c.Height);
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

Damage DamageTracker::collect(const Form& form) {
    Damage damage;
    const auto& controls = form.controls();
    // The window's own look, or a control added or taken away, redraws it all.
    damage.whole = !started_ || form.clientWidth() != clientWidth_ ||
                   form.clientHeight() != clientHeight_ || form.BackColor != backColor_ ||
                   form.picture != background_ || controls.size() != drawn_.size();
    if (damage.whole) {
        started_ = true;
        clientWidth_ = form.clientWidth();
        clientHeight_ = form.clientHeight();
        backColor_ = form.BackColor;
        background_ = form.picture;
        drawn_.clear();
        drawn_.reserve(controls.size());
        for (const Control& c : controls) {
            const Rect bounds = pixelBounds(c);
            drawn_.push_back({bounds, meets(bounds, clientWidth_, clientHeight_), c});
        }
        return damage;
    }
    auto next = drawn_.begin();
    for (const Control& now : controls) {
        Drawn& drawn = *next++;
        const bool moved = !samePlace(now, drawn.look);
        // What changes out of sight and stays there never shows; it is looked
        // at again once it moves.
        if (!moved && (!drawn.onWindow || sameLook(now, drawn.look))) continue;
        const Rect bounds = moved ? pixelBounds(now) : drawn.bounds;
        const bool onWindow = meets(bounds, clientWidth_, clientHeight_);
        if (bounds != drawn.bounds) {
            // A fraction of a pixel that rounds to the same place draws the same.
            if (drawn.onWindow) addRect(damage.rects, drawn.bounds);
            if (onWindow) addRect(damage.rects, bounds);
        } else if (drawn.onWindow && !sameLook(now, drawn.look)) {
            addRect(damage.rects, bounds);
        }
        drawn = {bounds, onWindow, now};
    }
    return damage;
}

}  // namespace forms
