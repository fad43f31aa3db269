#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>

#include "game/save_folder.h"
#include "qt/command_line.h"
#include "qt/languages.h"
#include "qt/window_manager.h"
#include "ui/lumora_program.h"
#include "ui/pack_play.h"

namespace {

std::string dataHome() { return qEnvironmentVariable("XDG_DATA_HOME").toStdString(); }
std::string home() { return QDir::homePath().toStdString(); }

int run(ui::LumoraProgram& game, const QString& packName = {}) {
    qtfront::WindowManager windows(game);
    windows.nameWindowsAfter(packName);
    windows.start();
    // A program that ends while starting never reaches the event loop.
    if (windows.finished()) return windows.exitCode();
    return QApplication::exec();
}

int playOwnStages(float twipsPerPixel) {
    const game::GameFolders folders =
        game::findGameFolders(QCoreApplication::applicationDirPath().toStdString(),
                              LUMORA_DATA_FROM_BIN, dataHome(), home());
    ui::LumoraProgram game(folders.stages, folders.save, twipsPerPixel);
    return run(game);
}

// A pack that does not open is told once, on standard error for a file
// manager's log and in a window for the player, and the game never starts.
int playPack(const std::string& path, float twipsPerPixel) {
    auto opened = ui::PackPlay::open(path, dataHome(), home());
    if (const auto* e = std::get_if<game::FileError>(&opened)) {
        const QString message = qtfront::phraseText(e->words);
        std::fprintf(stderr, "lumora: %s\n", message.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, QStringLiteral(" Lumora"), message);
        return 1;
    }
    ui::PackPlay& pack = *std::get<std::unique_ptr<ui::PackPlay>>(opened);
    const game::ScopedFileIo files(pack.files());
    const std::unique_ptr<ui::LumoraProgram> game = pack.program(twipsPerPixel);
    return run(*game, QString::fromStdString(pack.title()));
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so --help works without a display.
    const qtfront::CommandLine command = qtfront::readCommandLine(argc, argv);
    if (auto status = qtfront::answerCommandLine(command)) return *status;

    QApplication app(argc, argv);
    qtfront::identifyApplication("io.github.lumora.Lumora");
    qtfront::useLanguage(qtfront::systemLanguage());
    // Windows come and go between stages; only the program says when it is over.
    QApplication::setQuitOnLastWindowClosed(false);

    const float twipsPerPixel = qtfront::screenTwipsPerPixel();
    if (!command.path.empty()) return playPack(command.path, twipsPerPixel);
    return playOwnStages(twipsPerPixel);
}
