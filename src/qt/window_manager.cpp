#include "qt/window_manager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cmath>
#include <vector>

#include "qt/form_window.h"
#include "qt/languages.h"
#include "qt/placement.h"
#include "ui/menu.h"

namespace qtfront {
namespace {

void centreOnScreen(QWidget& widget, const forms::Form& form) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const float tpp = form.twipsPerPixel() > 0 ? form.twipsPerPixel() : 15.0f;
    const QSize outer(static_cast<int>(std::lround(form.Width / tpp)),
                      static_cast<int>(std::lround(form.Height / tpp)));
    const QPoint centred(area.x() + (area.width() - outer.width()) / 2,
                         area.y() + (area.height() - outer.height()) / 2);
    widget.move(placeInside(area, outer, centred));
}

// Back where the player left the last window of the form, on the screen it
// stood on, as far as that screen still has room for it.
void returnTo(QWidget& widget, const QRect& frame) {
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        widget.move(frame.topLeft());
        return;
    }
    widget.move(placeInside(screen->availableGeometry(), frame.size(), frame.topLeft()));
}

}  // namespace

float screenTwipsPerPixel() {
    constexpr qreal kTwipsPerInch = 1440.0;
    constexpr qreal kDefaultDpi = 96.0;
    QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen != nullptr ? screen->logicalDotsPerInchX() : kDefaultDpi;
    return static_cast<float>(kTwipsPerInch / (dpi > 0 ? dpi : kDefaultDpi));
}

WindowManager::WindowManager(ui::LumoraProgram& game, ClockDriver::Elapsed elapsed, Hooks hooks)
    : game_(game), clock_(game.program(), std::move(elapsed)), hooks_(std::move(hooks)) {
    if (!hooks_.reportError)
        hooks_.reportError = [](const QString& message) {
            QMessageBox::critical(nullptr, QStringLiteral(" Lumora"), message);
        };
    if (!hooks_.tellPlayer)
        hooks_.tellPlayer = [](const QString& message) {
            auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral(" Lumora"), message,
                                        QMessageBox::Ok);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
        };
    if (!hooks_.finish) hooks_.finish = [](int code) { QCoreApplication::exit(code); };
    clock_.onTicks = [this] { afterEvent(); };
}

WindowManager::~WindowManager() {
    for (auto& [form, widget] : widgets_) delete widget;
}

void WindowManager::start(Opening opening) {
    if (opening == Opening::Game) {
        game_.startGame();
    } else {
        game_.start();
    }
    afterEvent();
}

// Compares addresses only: the form behind a stale window may be gone.
bool WindowManager::isOpen(const forms::Form* form) const {
    for (const forms::Form* f : game_.program().openForms())
        if (f == form) return true;
    return false;
}

bool WindowManager::catchUpFor(const forms::Form* form) {
    if (finished_) return false;
    const std::uint64_t generation = game_.program().generation();
    clock_.catchUp();
    // Ticks that were due may have ended the stage and closed this very window.
    if (game_.program().generation() != generation || game_.program().ended()) afterEvent();
    return !finished_ && isOpen(form);
}

void WindowManager::deliver(const forms::Form& form, const MouseDelivery& d) {
    if (finished_) return;
    forms::Program& program = game_.program();
    switch (d.kind) {
        case MouseDelivery::Kind::MouseDown:
            program.mouseDown(form.name(), d.control, d.index, d.button);
            break;
        case MouseDelivery::Kind::MouseUp:
            program.mouseUp(form.name(), d.control, d.index, d.button);
            break;
        case MouseDelivery::Kind::Click:
            program.click(form.name(), d.control);
            break;
    }
    afterEvent();
}

void WindowManager::closeRequested(const forms::Form& form) {
    if (!catchUpFor(&form)) return;
    game_.program().close(form.name());
    afterEvent();
}

QString WindowManager::titleFor(const std::string& caption) const {
    const QString own = QString::fromStdString(gameText(caption));
    if (packName_.isEmpty()) return own;
    return QCoreApplication::translate("Game", "%1 — %2").arg(own, packName_);
}

FormWindow* WindowManager::widget(const std::string& formName) const {
    const forms::Form* form = game_.program().find(formName);
    auto it = widgets_.find(form);
    return it == widgets_.end() ? nullptr : it->second;
}

void WindowManager::afterEvent() {
    if (finished_) return;
    sync();
    const bool ended = game_.program().ended();
    // Told after the windows are in place, so the message stands on top; once
    // the program has ended it must be read before the application goes.
    for (const game::Phrase& message : game_.program().takeMessageWords())
        (ended ? hooks_.reportError : hooks_.tellPlayer)(phraseText(message));
    if (ended) {
        end();
        return;
    }
    clock_.rearm();
}

void WindowManager::sync() {
    const std::vector<forms::Form*> open = game_.program().openForms();
    // Forms are matched by identity: the game window is a new form for every
    // stage, under the same name, and must get a fresh window.
    for (auto it = widgets_.begin(); it != widgets_.end();) {
        bool stillOpen = false;
        for (const forms::Form* f : open) stillOpen = stillOpen || f == it->first;
        if (stillOpen) {
            ++it;
            continue;
        }
        // The form itself is gone by now: only its window still knows its name.
        lastPlace_[it->second->formName()] = it->second->frameGeometry();
        // The widget may be the one whose event handler is running right now.
        it->second->retire();
        it->second->deleteLater();
        it = widgets_.erase(it);
    }
    for (forms::Form* form : open) {
        auto it = widgets_.find(form);
        if (it != widgets_.end()) {
            it->second->followForm();
            it->second->updateDamage();
            continue;
        }
        auto* widget = new FormWindow(*this, *form, pictures_);
        widgets_.emplace(form, widget);
        // The menu opens in the middle of the screen every time. The game
        // window, made afresh for every stage and retry, opens where the
        // player left the last one, and in the middle the first time.
        auto place = lastPlace_.find(form->name());
        if (form->name() != ui::Menu::kName && place != lastPlace_.end()) {
            returnTo(*widget, place->second);
        } else {
            centreOnScreen(*widget, *form);
        }
        widget->show();
        widget->activateWindow();
    }
}

void WindowManager::end() {
    finished_ = true;
    clock_.rearm();
    const auto& error = game_.program().fatalWords();
    exitCode_ = error ? 1 : 0;
    if (error) hooks_.reportError(phraseText(*error));
    hooks_.finish(exitCode_);
}

}  // namespace qtfront
