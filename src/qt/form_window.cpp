#include "qt/form_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "qt/form_renderer.h"
#include "qt/window_manager.h"

namespace qtfront {

FormWindow::FormWindow(WindowManager& manager, forms::Form& form, PictureLibrary& pictures)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      manager_(manager),
      form_(&form),
      formName_(form.name()),
      renderer_(pictures) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setWindowIcon(pictures.programIcon());
    followForm();
    // Showing the window paints all of it; damage counts from here.
    form.takeDamage();
}

void FormWindow::retire() {
    form_ = nullptr;
    hide();
}

void FormWindow::followForm() {
    if (form_ == nullptr) return;
    const QString title = manager_.titleFor(form_->Caption);
    if (windowTitle() != title) setWindowTitle(title);
    const QSize client(std::max(1, form_->clientWidth()), std::max(1, form_->clientHeight()));
    if (size() != client || minimumSize() != client || maximumSize() != client)
        setFixedSize(client);
}

void FormWindow::updateDamage() {
    if (form_ == nullptr) return;
    const forms::Damage damage = form_->takeDamage();
    if (damage.whole) {
        update();
        return;
    }
    for (const forms::Rect& r : damage.rects) {
        const QRect onWindow = toQRect(r) & rect();
        if (!onWindow.isEmpty()) update(onWindow);
    }
    // A click lets its button rise without the form changing.
    const forms::Control* pressed = router_.pressedButton(*form_);
    if (pressed != pressedDrawn_) {
        if (pressedDrawn_ != nullptr) update(pixelRect(*pressedDrawn_));
        if (pressed != nullptr) update(pixelRect(*pressed));
    }
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (form_ == nullptr) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    pressedDrawn_ = router_.pressedButton(*form_);
    renderer_.paint(painter, *form_, event->region(), pressedDrawn_);
}

void FormWindow::mousePressEvent(QMouseEvent* event) { routeMouse(*event, true); }

void FormWindow::mouseReleaseEvent(QMouseEvent* event) { routeMouse(*event, false); }

// The board is brought up to now before the pointer is looked at, so a press
// meets the sprite where it stands, or no window at all if the stage just ended.
void FormWindow::routeMouse(QMouseEvent& event, bool press) {
    event.accept();
    if (form_ == nullptr || !manager_.catchUpFor(form_)) return;
    const QPoint pixel = event.position().toPoint();
    auto delivery = press ? router_.press(*form_, pixel, event.button())
                          : router_.release(*form_, pixel, event.button());
    if (delivery) {
        manager_.deliver(*form_, *delivery);
    } else {
        update();  // a picture button sinks or rises
    }
}

// Qt sends the second press of a double click as this event, in place of a
// press: press, release, double click, release. It is a press like any other.
void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) { routeMouse(*event, true); }

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (form_ == nullptr) return;
    const forms::Control* before = router_.pressedButton(*form_);
    router_.move(*form_, event->position().toPoint());
    if (router_.pressedButton(*form_) != before) update();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The program decides whether and when a window goes; the manager then
    // takes this one away if its form has closed.
    event->ignore();
    if (form_ != nullptr) manager_.closeRequested(*form_);
}

}  // namespace qtfront
