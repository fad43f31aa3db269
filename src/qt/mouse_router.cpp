#include "qt/mouse_router.h"

#include "qt/form_renderer.h"

namespace qtfront {

const forms::Control* controlAt(const forms::Form& form, QPoint pixel) {
    const auto& controls = form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (pixelRect(*it).contains(pixel)) return &*it;
    return nullptr;
}

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

std::optional<MouseDelivery> MouseRouter::press(const forms::Form& form, QPoint pixel,
                                                Qt::MouseButton qtButton) {
    const int button = buttonNumber(qtButton);
    if (button == 0) return std::nullopt;
    if (captured_) {
        buttonsDown_ |= button;
        return MouseDelivery{MouseDelivery::Kind::MouseDown, captured_->name, captured_->index,
                             button};
    }
    const forms::Control* hit = controlAt(form, pixel);
    // The sprite and the plates lie over the window without taking the mouse:
    // a press on them reaches nothing, not the cell underneath.
    if (hit == nullptr || !hit->Enabled) return std::nullopt;
    if (hit->kind == forms::Kind::PictureButton) {
        if (button == 1 && !button_) {
            button_ = Target{hit->name, hit->index};
            overButton_ = true;
        }
        return std::nullopt;
    }
    if (!form.takesMouse(*hit)) return std::nullopt;
    captured_ = Target{hit->name, hit->index};
    buttonsDown_ = button;
    return MouseDelivery{MouseDelivery::Kind::MouseDown, hit->name, hit->index, button};
}

std::optional<MouseDelivery> MouseRouter::release(const forms::Form& form, QPoint pixel,
                                                  Qt::MouseButton qtButton) {
    const int button = buttonNumber(qtButton);
    if (button == 0) return std::nullopt;
    if (button == 1 && button_) {
        Target pressedOn = *button_;
        button_.reset();
        overButton_ = false;
        const forms::Control* hit = controlAt(form, pixel);
        if (hit != nullptr && hit->name == pressedOn.name && hit->index == pressedOn.index &&
            hit->Enabled)
            return MouseDelivery{MouseDelivery::Kind::Click, pressedOn.name, pressedOn.index, 1};
        return std::nullopt;
    }
    if (!captured_ || (buttonsDown_ & button) == 0) return std::nullopt;
    Target target = *captured_;
    buttonsDown_ &= ~button;
    if (buttonsDown_ == 0) captured_.reset();
    return MouseDelivery{MouseDelivery::Kind::MouseUp, target.name, target.index, button};
}

void MouseRouter::move(const forms::Form& form, QPoint pixel) {
    if (!button_) return;
    const forms::Control* hit = controlAt(form, pixel);
    overButton_ = hit != nullptr && hit->name == button_->name && hit->index == button_->index;
}

const forms::Control* MouseRouter::pressedButton(const forms::Form& form) const {
    if (!button_ || !overButton_) return nullptr;
    return form.find(button_->name, button_->index);
}

}  // namespace qtfront
