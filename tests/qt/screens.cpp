// Takes pictures of the menu and of a stage, for a person to look at:
//   lumora_qt_screens OUTDIR [TWIPS_PER_PIXEL]
// Each window is saved as drawn (OUTDIR/menu.png, OUTDIR/stage.png) and, where
// the window system can show it, as the screen shows it (OUTDIR/screen-*.png).
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string>

#include "harness.h"
#include "qt/font_substitutes.h"

namespace {

void save(qt_testing::Harness& h, const std::string& form, const QString& path) {
    QCoreApplication::processEvents();
    h.grab(form).save(path);
    std::printf("%s\n", qPrintable(path));
}

void saveScreen(const QString& path) {
    QCoreApplication::processEvents();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() == "offscreen" || screen == nullptr) return;
    screen->grabWindow(0).save(path);
    std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::installFontSubstitutes();
    if (argc < 2) {
        std::fprintf(stderr, "usage: lumora_qt_screens OUTDIR [TWIPS_PER_PIXEL]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const float twips = argc > 2 ? std::stof(argv[2]) : 15.0f;

    qt_testing::Harness h(twips, {}, /*realTime=*/true);
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    save(h, "Menu", out.filePath("menu.png"));
    saveScreen(out.filePath("screen-menu.png"));

    h.clickAt("Menu", h.centreOf("Menu", "Command1"));
    if (h.window("MainWindow") == nullptr) {
        std::fprintf(stderr, "the game window did not open\n");
        return 1;
    }
    save(h, "MainWindow", out.filePath("stage.png"));
    saveScreen(out.filePath("screen-stage.png"));

    // A walk in real time, driven by the front end's own wake-up timer: 100 ms
    // a step of 12 pixels, so after 1.2 s of the event loop the character has
    // gone about three columns.
    h.clickAt("MainWindow", QPoint(24, 5 * 48 + 24));
    const forms::Control& sprite = *h.game().gameWindow()->controls().AnimeFrame;
    const float from = sprite.Left;
    QEventLoop loop;
    QTimer::singleShot(1200, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("walked from x %.0f to x %.0f in %lld ms of real time (virtual clock %lld ms)\n",
                from, sprite.Left, static_cast<long long>(h.windows().clock().elapsed()),
                static_cast<long long>(h.game().program().clock().now()));
    save(h, "MainWindow", out.filePath("stage-walking.png"));

    // Hold the Try Again button down to see its pressed face.
    h.pressAt("MainWindow", h.centreOf("MainWindow", "Command1"), Qt::LeftButton);
    save(h, "MainWindow", out.filePath("stage-pressed.png"));
    return 0;
}
