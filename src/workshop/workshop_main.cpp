#include <QApplication>
#include <QMessageBox>

#include "game/translatable.h"
#include "qt/command_line.h"
#include "qt/languages.h"
#include "qt/picture_library.h"
#include "workshop/core/palette.h"
#include "workshop/editor_window.h"
#include "workshop/language_menu.h"

namespace {

qtfront::ProgramHelp workshopHelp() {
    std::string keys;
    for (const workshop::KindInfo& k : workshop::kKinds)
        keys += std::string("    ") + k.key + "  " +
                qtfront::translateEarly(game::kCellWords, std::string(k.name)) + "\n";
    return {"lumora-workshop",
            QT_TRANSLATE_NOOP(
                "Help",
                "\n"
                "The Lumora workshop makes stages for the game: paint the 9 x 9 board with\n"
                "sand, blocks, water and walls, place the character's start, and set the\n"
                "block target and the starting magic.\n"
                "  Left button: paint the chosen kind (click or drag).\n"
                "  Right button: empty the cell.\n"
                "  Keys choosing the kind:\n"),
            keys,
            QT_TRANSLATE_NOOP("Help", "for more"),
            QT_TRANSLATE_NOOP("Help", "PACK"),
            QT_TRANSLATE_NOOP("Help",
                              "  PACK       a pack file (NAME.lumora) or a pack folder to open\n")};
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so --help works without a display.
    const qtfront::CommandLine command = qtfront::readCommandLine(argc, argv, workshopHelp());
    if (auto status = qtfront::answerCommandLine(command)) return *status;

    QApplication app(argc, argv);
    qtfront::identifyApplication("io.github.lumora.Workshop");
    workshop::useStartingLanguage();

    qtfront::PictureLibrary pictures;
    QApplication::setWindowIcon(
        pictures.programIcon(qtfront::PictureLibrary::ProgramIcon::Workshop));
    workshop::EditorWindow window(pictures);
    window.show();
    // Work the last session could not save, after a crash or a kill.
    const bool restored = window.restoreJournal([&window](const QString& question) {
        return QMessageBox::question(&window, QObject::tr("Restore Unsaved Work"), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    });
    if (!command.path.empty()) {
        // Work taken back keeps the first window; the pack asked for gets its own.
        workshop::EditorWindow* into = &window;
        if (restored) {
            into = new workshop::EditorWindow(pictures);
            into->setAttribute(Qt::WA_DeleteOnClose);
            into->show();
        }
        into->openPath(QString::fromStdString(command.path));
    }
    return QApplication::exec();
}
