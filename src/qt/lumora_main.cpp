#include <QApplication>
#include <QDir>

#include "game/save_folder.h"
#include "qt/command_line.h"
#include "qt/languages.h"
#include "qt/window_manager.h"
#include "ui/lumora_program.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so --help works without a display.
    if (auto status = qtfront::answerCommandLine(qtfront::readCommandLine(argc, argv)))
        return *status;

    QApplication app(argc, argv);
    qtfront::identifyApplication("io.github.lumora.Lumora");
    qtfront::useLanguage(qtfront::systemLanguage());
    // Windows come and go between stages; only the program says when it is over.
    QApplication::setQuitOnLastWindowClosed(false);

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
