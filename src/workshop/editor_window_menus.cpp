// The window's menus and palette, kept apart from its editing.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include "workshop/board_view.h"
#include "workshop/core/stage_proof.h"
#include "workshop/live_proof.h"
#include "workshop/stage_drawing.h"
#include "workshop/editor_window.h"
#include "workshop/generate_dialog.h"
#include "workshop/language_menu.h"
#include "workshop/live_texts.h"
#include "workshop/play_session.h"
#include "workshop/stage_list.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

// "Undo Paint 3 cells with sand": the command, then the edit it takes back.
QString withEdit(const QString& command, const QString& edit) {
    return edit.isEmpty() ? command : command + QLatin1Char(' ') + edit;
}

}  // namespace

QMenu* EditorWindow::liveMenu(const char* title) {
    QMenu* menu = menuBar()->addMenu(QString());
    texts_->title(menu, title);
    return menu;
}

QAction* EditorWindow::liveAction(QMenu* menu, const char* text) {
    QAction* action = menu->addAction(QString());
    texts_->text(action, text);
    return action;
}

void EditorWindow::makeMenus() {
    makeFileMenu();

    QMenu* edit = liveMenu(QT_TR_NOOP("&Edit"));
    // Qt's own undo actions keep the words they were made with; these are
    // worded anew in another language.
    QUndoStack* stack = undoStack();
    QAction* undo = edit->addAction(QString(), stack, &QUndoStack::undo);
    QAction* redo = edit->addAction(QString(), stack, &QUndoStack::redo);
    const auto word = [this, stack, undo, redo] {
        undo->setText(withEdit(tr("&Undo"), stack->undoText()));
        redo->setText(withEdit(tr("&Redo"), stack->redoText()));
    };
    texts_->add([this] { pack_->rewordSteps(); });
    texts_->add(word);
    connect(stack, &QUndoStack::undoTextChanged, this, word);
    connect(stack, &QUndoStack::redoTextChanged, this, word);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    undo->setEnabled(stack->canUndo());
    redo->setEnabled(stack->canRedo());
    undo->setShortcut(QKeySequence::Undo);
    undo->setObjectName(QStringLiteral("undo"));
    redo->setShortcut(QKeySequence::Redo);
    redo->setObjectName(QStringLiteral("redo"));
    makeClipboardCommands(edit);

    makeStageMenu();
    makePackMenu();

    QMenu* settings = liveMenu(QT_TR_NOOP("Se&ttings"));
    connect(liveAction(settings, QT_TR_NOOP("Proof &Memory…")), &QAction::triggered, this,
            &EditorWindow::askProofMemory);
    menuBar()->addMenu(new LanguageMenu(this));
    QMenu* help = liveMenu(QT_TR_NOOP("&Help"));
    connect(liveAction(help, QT_TR_NOOP("&About Lumora Workshop")), &QAction::triggered, this,
            &EditorWindow::about);
}

void EditorWindow::makeFileMenu() {
    struct FileCommand {
        const char* text;
        QKeySequence::StandardKey key;
        void (*run)(EditorWindow*);
        QAction* EditorWindow::*keep;  // the window's own handle, or null
    };
    static constexpr FileCommand kCommands[] = {
        {QT_TR_NOOP("&New Pack"), QKeySequence::New, [](EditorWindow* w) { w->pack_->newPack(); },
         nullptr},
        {QT_TR_NOOP("&Open Pack File…"), QKeySequence::Open,
         [](EditorWindow* w) { w->pack_->openFile(); }, nullptr},
        {QT_TR_NOOP("Open Pack &Folder…"), QKeySequence::UnknownKey,
         [](EditorWindow* w) { w->pack_->openFolder(); }, nullptr},
        {nullptr, QKeySequence::UnknownKey, nullptr, nullptr},  // Open Recent
        {QT_TR_NOOP("Open the &Game's Stages"), QKeySequence::UnknownKey,
         [](EditorWindow* w) { w->pack_->openGameStages(); }, nullptr},
        {QT_TR_NOOP("&Save"), QKeySequence::Save, [](EditorWindow* w) { w->pack_->save(); },
         &EditorWindow::save_},
        {QT_TR_NOOP("Save &As Pack File…"), QKeySequence::SaveAs,
         [](EditorWindow* w) { w->pack_->saveAsFile(); }, nullptr},
        {QT_TR_NOOP("Save As Pack Fol&der…"), QKeySequence::UnknownKey,
         [](EditorWindow* w) { w->pack_->saveAsFolder(); }, nullptr},
    };
    QMenu* file = liveMenu(QT_TR_NOOP("&File"));
    for (const FileCommand& c : kCommands) {
        if (c.text == nullptr) {
            recentMenu_ = file->addMenu(QString());
            texts_->title(recentMenu_, QT_TR_NOOP("Open &Recent"));
            continue;
        }
        QAction* action = liveAction(file, c.text);
        action->setShortcut(c.key);
        // Without a desktop's theme Qt knows no key for Save As; the one every
        // desktop uses is given then.
        if (action->shortcut().isEmpty() && c.key == QKeySequence::SaveAs)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        connect(action, &QAction::triggered, this, [this, run = c.run] { run(this); });
        if (c.keep != nullptr) this->*c.keep = action;
    }
    connect(file, &QMenu::aboutToShow, this, &EditorWindow::fillRecentMenu);
    file->addSeparator();
    QAction* quit = liveAction(file, QT_TR_NOOP("&Quit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
}

void EditorWindow::makePackMenu() {
    struct PackCommand {
        const char* name;  // the action's object name, for scripts and tests
        const char* text;
        QKeySequence key;
        void (*run)(EditorWindow*);
        QAction* EditorWindow::*keep;
    };
    static const PackCommand kCommands[] = {
        {"addStage", QT_TR_NOOP("&Add Stage"), QKeySequence(), [](EditorWindow* w) { w->pack_->addStage(); },
         &EditorWindow::addStage_},
        {"duplicateStage", QT_TR_NOOP("&Duplicate Stage"), QKeySequence(),
         [](EditorWindow* w) { w->pack_->duplicateStage(); }, &EditorWindow::duplicateStage_},
        {"deleteStage", QT_TR_NOOP("D&elete Stage"), QKeySequence(), [](EditorWindow* w) { w->pack_->deleteStage(); },
         &EditorWindow::deleteStage_},
        {"moveUp", QT_TR_NOOP("Move &Up"), QKeySequence(Qt::ALT | Qt::Key_Up),
         [](EditorWindow* w) { w->pack_->moveShown(-1); }, &EditorWindow::moveUp_},
        {"moveDown", QT_TR_NOOP("Move Do&wn"), QKeySequence(Qt::ALT | Qt::Key_Down),
         [](EditorWindow* w) { w->pack_->moveShown(1); }, &EditorWindow::moveDown_},
    };
    QMenu* pack = liveMenu(QT_TR_NOOP("&Pack"));
    for (const PackCommand& c : kCommands) {
        QAction* action = liveAction(pack, c.text);
        action->setObjectName(QString::fromLatin1(c.name));
        action->setShortcut(c.key);
        connect(action, &QAction::triggered, this, [this, run = c.run] { run(this); });
        this->*c.keep = action;
        stageList_->addButton(action);
    }
    pack->addSeparator();
    connect(liveAction(pack, QT_TR_NOOP("&Play Pack")), &QAction::triggered, this,
            &EditorWindow::playPack);
}

void EditorWindow::makeStageMenu() {
    QMenu* stage = liveMenu(QT_TR_NOOP("&Stage"));
    QToolBar* palette = addToolBar(QString());
    texts_->title(palette, QT_TR_NOOP("Palette"));
    palette->setObjectName(QStringLiteral("paletteToolBar"));
    drawing_->addPalette(stage, palette);
    stage->addSeparator();
    QAction* generate = liveAction(stage, QT_TR_NOOP("&Generate…"));
    connect(generate, &QAction::triggered, this, [this] {
        auto* dialog = findChild<GenerateDialog*>();
        if (dialog == nullptr) {
            dialog = new GenerateDialog(this);
            connect(dialog, &GenerateDialog::found, pack_, &PackKeeper::replaceStage);
        }
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    generate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    generate->setObjectName(QStringLiteral("generate"));
    makePlayCommands(stage);
}

// Play and the show run the real game on the stage as it stands; its end,
// whatever it is, shows in the status bar.
void EditorWindow::makePlayCommands(QMenu* stage) {
    connect(play_, &PlaySession::finished, this,
            [this](PlaySession::Outcome o) { statusBar()->showMessage(outcomeText(o)); });
    connect(
        this, &EditorWindow::playPackRequested, play_,
        [this](const QString& folder, int count) { play_->playPack(folder.toStdString(), count); });
    stage->addSeparator();
    QAction* play = liveAction(stage, QT_TR_NOOP("&Play"));
    connect(play, &QAction::triggered, this, [this] { play_->play(this->stage()); });
    play->setShortcut(Qt::Key_F5);
    play->setObjectName(QStringLiteral("play"));
    QAction* show = liveAction(stage, QT_TR_NOOP("Show S&olution"));
    connect(show, &QAction::triggered, proof_, &LiveProof::showSolution);
    show->setShortcut(Qt::Key_F6);
    show->setObjectName(QStringLiteral("showSolution"));
}

void EditorWindow::fillRecentMenu() {
    const QStringList recent = pack_->recentPacks();
    recentMenu_->clear();
    for (const QString& folder : recent)
        recentMenu_->addAction(folder, pack_, [this, folder] { pack_->openRecent(folder); });
    recentMenu_->setEnabled(!recent.isEmpty());  // filled as the File menu opens
}

void EditorWindow::askProofMemory() {
    bool ok = false;
    const int mb = QInputDialog::getInt(
        this, tr("Proof Memory"),
        tr("The memory each search of a proof may take, in MB.\nA search that needs more "
           "stops, and its stage is undecided."),
        static_cast<int>(proofMemoryMB()), kMinProofMemoryMB, kMaxProofMemoryMB,
        kProofMemoryStepMB, &ok);
    if (ok) setProofMemory(mb);
}

void EditorWindow::about() {
    QMessageBox::about(this, tr("About Lumora Workshop"),
                       tr("<p><b>Lumora Workshop</b> %1</p>"
                          "<p>Makes stages for Lumora: paint the board with the left button, "
                          "empty cells with the right one.</p>")
                           .arg(QApplication::applicationVersion()));
}

}  // namespace workshop
