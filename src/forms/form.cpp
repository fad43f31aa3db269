#include "forms/form.h"

#include <cmath>

#include "forms/program.h"

namespace forms {

Form::Form(Program& program, std::string name)
    : program_(program), name_(std::move(name)), twipsPerPixel_(program.screenTwipsPerPixel()) {}

Form::~Form() = default;

int Form::clientWidth() const { return static_cast<int>(std::lround(Width / twipsPerPixel_)) - 6; }

int Form::clientHeight() const {
    return static_cast<int>(std::lround(Height / twipsPerPixel_)) - 24;
}

Control* Form::find(const std::string& name, int index) {
    for (auto& c : controls_)
        if (c.index == index && c.name == name) return &c;
    return nullptr;
}

const Control* Form::find(const std::string& name, int index) const {
    for (const auto& c : controls_)
        if (c.index == index && c.name == name) return &c;
    return nullptr;
}

Timer* Form::findTimer(const std::string& name) {
    for (auto& t : timers_)
        if (t.name() == name) return &t;
    return nullptr;
}

Control& Form::add(Control control) {
    controls_.push_back(std::move(control));
    Control& c = controls_.back();
    c.setPicture(c.picture);
    return c;
}

Control& Form::add(Kind kind, std::string name, int index, float leftTw, float topTw, float widthTw,
                   float heightTw) {
    Control c;
    c.kind = kind;
    c.name = std::move(name);
    c.index = index;
    c.Left = leftTw / twipsPerPixel_;
    c.Top = topTw / twipsPerPixel_;
    c.Width = widthTw / twipsPerPixel_;
    c.Height = heightTw / twipsPerPixel_;
    controls_.push_back(std::move(c));
    return controls_.back();
}

Timer& Form::addTimer(std::string name, int interval) {
    return timers_.emplace_back(std::move(name), interval);
}

}  // namespace forms
