#include "forms/control.h"

namespace forms {

std::string Control::key() const {
    if (index < 0) return name;
    return name + "(" + std::to_string(index) + ")";
}

void Control::setPicture(const Control& source) { setPicture(source.picture); }

void Control::setPicture(const Picture& source) {
    picture = source;
    if (kind == Kind::Image && !Stretch && !picture.empty()) {
        Width = static_cast<float>(picture.width);
        Height = static_cast<float>(picture.height);
    }
}

}  // namespace forms
