#include <QApplication>
#include <QDir>
#include <cstdio>

#include "game/save_folder.h"
#include "qt/command_line.h"
#include "qt/font_substitutes.h"
#include "qt/window_manager.h"
#include "ui/lumora_program.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so --help works without a display.
    const qtfront::CommandLine command = qtfront::readCommandLine(argc, argv);
    if (!command.play) {
        std::fputs(command.out.c_str(), stdout);
        std::fputs(command.err.c_str(), stderr);
        return command.exitCode;
    }

    QApplication app(argc, argv);
    // One id for the desktop entry, the icon and the window class, so the
    // desktop puts the running game under its menu entry.
    const QString appId = QStringLiteral("io.github.lumora.Lumora");
    QGuiApplication::setApplicationName(appId);
    QGuiApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
    QGuiApplication::setDesktopFileName(appId);
    // Windows come and go between stages; only the program says when it is over.
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::installFontSubstitutes();

    const float twipsPerPixel = qtfront::screenTwipsPerPixel();

    const game::GameFolders folders = game::findGameFolders(
        QCoreApplication::applicationDirPath().toStdString(), LUMORA_DATA_FROM_BIN,
        qEnvironmentVariable("XDG_DATA_HOME").toStdString(), QDir::homePath().toStdString());
    ui::LumoraProgram game(folders.stages, folders.save, twipsPerPixel);
    qtfront::WindowManager windows(game);
    windows.start();
    // A program that ends while starting never reaches the event loop.
    if (windows.finished()) return windows.exitCode();
    return QApplication::exec();
}
