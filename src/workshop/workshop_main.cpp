#include <QApplication>
#include <QMessageBox>

#include "qt/command_line.h"
#include "qt/picture_library.h"
#include "workshop/core/palette.h"
#include "workshop/editor_window.h"

namespace {

qtfront::ProgramHelp workshopHelp() {
    std::string keys;
    for (const workshop::KindInfo& k : workshop::kKinds)
        keys += std::string("    ") + k.key + "  " + std::string(k.name) + "\n";
    return {"lumora-workshop",
            "\n"
            "The Lumora workshop makes stages for the game: paint the 9 x 9 board with\n"
            "sand, blocks, water and walls, place the character's start, and set the\n"
            "block target and the starting magic.\n"
            "  Left button: paint the chosen kind (click or drag).\n"
            "  Right button: empty the cell.\n"
            "  Keys choosing the kind:\n" +
                keys,
            "for more"};
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so --help works without a display.
    if (auto status =
            qtfront::answerCommandLine(qtfront::readCommandLine(argc, argv, workshopHelp())))
        return *status;

    QApplication app(argc, argv);
    qtfront::identifyApplication("io.github.lumora.Workshop");

    qtfront::PictureLibrary pictures;
    QApplication::setWindowIcon(
        pictures.programIcon(qtfront::PictureLibrary::ProgramIcon::Workshop));
    workshop::EditorWindow window(pictures);
    window.show();
    // Work the last session could not save, after a crash or a kill.
    window.restoreJournal([&window](const QString& question) {
        return QMessageBox::question(&window, QObject::tr("Restore Unsaved Work"), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    });
    return QApplication::exec();
}
