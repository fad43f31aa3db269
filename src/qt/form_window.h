#pragma once

#include <QWidget>
#include <string>

#include "forms/form.h"
#include "qt/form_renderer.h"
#include "qt/mouse_router.h"
#include "qt/picture_library.h"

namespace qtfront {

class WindowManager;

// The on-screen window of one open form. It draws whatever the form holds and
// hands the player's presses to the window manager; it decides nothing itself.
class FormWindow : public QWidget {
public:
    FormWindow(WindowManager& manager, forms::Form& form, PictureLibrary& pictures);

    // Null once the form has closed and the window is on its way out.
    forms::Form* form() const { return form_; }
    const std::string& formName() const { return formName_; }
    void retire();
    // Title and size follow the form; the load event and later handlers may change them.
    void followForm();
    // Asks for the parts of the window that changed since they were last
    // drawn, and nothing when nothing changed.
    void updateDamage();
    // The picture button drawn sunk under the pointer, if any.
    const forms::Control* pressedButton() const {
        return form_ != nullptr ? router_.pressedButton(*form_) : nullptr;
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void routeMouse(QMouseEvent& event, bool press);
    WindowManager& manager_;
    forms::Form* form_;
    std::string formName_;
    FormRenderer renderer_;
    MouseRouter router_;
    const forms::Control* pressedDrawn_ = nullptr;
};

}  // namespace qtfront
