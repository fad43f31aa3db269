#include "harness.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include "qt/form_renderer.h"

namespace qt_testing {

Harness::Harness(float twips, std::string folder, bool realTime)
    : folder_(folder.empty() ? temp_.path() : std::move(folder)),
      twips_(twips),
      realTime_(realTime) {}

Harness::~Harness() {
    windows_.reset();
    // Windows taken away during the test are deleted only now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Harness::addStage(int n, const std::vector<std::string>& rows, const std::string& target,
                       const std::string& budget, const std::vector<std::string>& answer) {
    testing_support::writeStage(temp_, n, rows, target, budget, answer);
}

void Harness::start() {
    game_ = std::make_unique<ui::LumoraProgram>(folder_, twips_);
    qtfront::WindowManager::Hooks hooks;
    hooks.reportError = [this](const QString& message) { errors.push_back(message); };
    hooks.tellPlayer = [this](const QString& message) { told.push_back(message); };
    hooks.finish = [this](int code) { exitCode = code; };
    qtfront::ClockDriver::Elapsed elapsed;
    if (!realTime_) elapsed = [this] { return now; };
    windows_ = std::make_unique<qtfront::WindowManager>(*game_, elapsed, std::move(hooks));
    windows_->start();
}

void Harness::pressAt(const std::string& form, QPoint pixel, Qt::MouseButton button) {
    QTest::mousePress(window(form), button, Qt::NoModifier, pixel);
}

void Harness::releaseAt(const std::string& form, QPoint pixel, Qt::MouseButton button) {
    QTest::mouseRelease(window(form), button, Qt::NoModifier, pixel);
}

void Harness::clickAt(const std::string& form, QPoint pixel, Qt::MouseButton button) {
    qtfront::FormWindow* w = window(form);
    QTest::mousePress(w, button, Qt::NoModifier, pixel);
    // The press may have closed the window; the release then has nowhere to go.
    if (window(form) == w) QTest::mouseRelease(w, button, Qt::NoModifier, pixel);
}

QPoint Harness::centreOf(const std::string& form, const std::string& control, int index) {
    const forms::Control* c = game_->program().find(form)->find(control, index);
    return qtfront::pixelRect(*c).center();
}

QImage Harness::grab(const std::string& form) {
    return window(form)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Harness::painted(const std::string& form) {
    QCoreApplication::processEvents();
    QWidget* w = window(form);
    return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Harness::freshPaint(const std::string& form) {
    qtfront::FormWindow* w = window(form);
    qtfront::PictureLibrary pictures;
    qtfront::FormRenderer renderer(pictures);
    QImage out(w->size(), QImage::Format_RGB32);
    QPainter painter(&out);
    renderer.paint(painter, *w->form(), QRegion(out.rect()), w->pressedButton());
    return out;
}

void Harness::tick(std::int64_t ms) {
    now += ms;
    windows_->clock().wake();
    QCoreApplication::processEvents();
}

void addShowcaseStage(Harness& h, int n) {
    h.addStage(n,
               {".........", ".SSS.....", ".BBB..WW.", "......WW.", ".........", "....P....",
                "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"},
               "4", "30",
               {"B.B.B.B..", "OOOOOOOOO", "SSS......", "WWW......", "KKK......", ".........",
                "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"});
}

void openFloorStage(Harness& h, const std::string& target) {
    h.addStage(1,
               {".........", ".........", ".........", ".........", ".........", "....P....",
                "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"},
               target, "20");
    h.setSave("1\r\n");
    h.start();
    h.clickAt("Menu", h.centreOf("Menu", "Command2"));
}

}  // namespace qt_testing
