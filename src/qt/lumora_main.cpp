#include <QApplication>
#include <QScreen>

#include "qt/font_substitutes.h"
#include "qt/window_manager.h"
#include "ui/lumora_program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Windows come and go between stages; only the program says when it is over.
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::installFontSubstitutes();

    QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    const float twipsPerPixel = static_cast<float>(1440.0 / (dpi > 0 ? dpi : 96.0));

    ui::LumoraProgram game(QCoreApplication::applicationDirPath().toStdString(), twipsPerPixel);
    qtfront::WindowManager windows(game);
    windows.start();
    // A program that ends while starting (a save file it cannot write) never
    // reaches the event loop.
    if (windows.finished()) return windows.exitCode();
    return QApplication::exec();
}
