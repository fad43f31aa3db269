// The window's menus and palette, kept apart from its editing.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include "workshop/board_view.h"
#include "workshop/editor_window.h"
#include "workshop/generate_dialog.h"
#include "workshop/play_session.h"
#include "workshop/stage_list.h"
#include "workshop/wording.h"

namespace workshop {
void EditorWindow::makeMenus() {
    makeFileMenu();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = undo_->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setObjectName(QStringLiteral("undo"));
    QAction* redo = undo_->createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence::Redo);
    redo->setObjectName(QStringLiteral("redo"));
    edit->addAction(undo);
    edit->addAction(redo);

    makeStageMenu();
    makePackMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Lumora Workshop"), this, &EditorWindow::about);
}

void EditorWindow::makeFileMenu() {
    struct FileCommand {
        const char* text;
        QKeySequence::StandardKey key;
        void (*run)(EditorWindow*);
        QAction* EditorWindow::*keep;  // the window's own handle, or null
    };
    static constexpr FileCommand kCommands[] = {
        {QT_TR_NOOP("&New Pack"), QKeySequence::New, [](EditorWindow* w) { w->newPack(); },
         nullptr},
        {QT_TR_NOOP("&Open…"), QKeySequence::Open, [](EditorWindow* w) { w->open(); }, nullptr},
        {nullptr, QKeySequence::UnknownKey, nullptr, nullptr},  // Open Recent
        {QT_TR_NOOP("Open the &Game's Stages"), QKeySequence::UnknownKey,
         [](EditorWindow* w) { w->openGameStages(); }, nullptr},
        {QT_TR_NOOP("&Save"), QKeySequence::Save, [](EditorWindow* w) { w->save(); },
         &EditorWindow::save_},
        {QT_TR_NOOP("Save &As…"), QKeySequence::SaveAs, [](EditorWindow* w) { w->saveAs(); },
         nullptr},
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    for (const FileCommand& c : kCommands) {
        if (c.text == nullptr) {
            recentMenu_ = file->addMenu(tr("Open &Recent"));
            continue;
        }
        QAction* action = file->addAction(tr(c.text));
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
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
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
        {"addStage", QT_TR_NOOP("&Add Stage"), QKeySequence(), [](EditorWindow* w) { w->addStage(); },
         &EditorWindow::addStage_},
        {"duplicateStage", QT_TR_NOOP("&Duplicate Stage"), QKeySequence(),
         [](EditorWindow* w) { w->duplicateStage(); }, &EditorWindow::duplicateStage_},
        {"deleteStage", QT_TR_NOOP("D&elete Stage"), QKeySequence(), [](EditorWindow* w) { w->deleteStage(); },
         &EditorWindow::deleteStage_},
        {"moveUp", QT_TR_NOOP("Move &Up"), QKeySequence(Qt::ALT | Qt::Key_Up),
         [](EditorWindow* w) { w->moveShown(-1); }, &EditorWindow::moveUp_},
        {"moveDown", QT_TR_NOOP("Move Do&wn"), QKeySequence(Qt::ALT | Qt::Key_Down),
         [](EditorWindow* w) { w->moveShown(1); }, &EditorWindow::moveDown_},
    };
    QMenu* pack = menuBar()->addMenu(tr("&Pack"));
    for (const PackCommand& c : kCommands) {
        QAction* action = pack->addAction(tr(c.text));
        action->setObjectName(QString::fromLatin1(c.name));
        action->setShortcut(c.key);
        connect(action, &QAction::triggered, this, [this, run = c.run] { run(this); });
        this->*c.keep = action;
        stageList_->addButton(action);
    }
    pack->addSeparator();
    pack->addAction(tr("&Play Pack"), this, &EditorWindow::playPack);
}

void EditorWindow::makeStageMenu() {
    QMenu* stage = menuBar()->addMenu(tr("&Stage"));
    QToolBar* palette = addToolBar(tr("Palette"));
    palette->setObjectName(QStringLiteral("paletteToolBar"));
    kinds_ = new QActionGroup(this);
    for (const KindInfo& k : kKinds) {
        QAction* action = stage->addAction(QIcon(kindPicture(pictures_, k.kind)), kindName(k));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(QChar(k.key)));
        action->setToolTip(tr("%1 (%2)").arg(kindName(k), QChar(k.key)));
        action->setData(static_cast<int>(k.kind));
        kinds_->addAction(action);
        palette->addAction(action);
        connect(action, &QAction::triggered, this, [this, kind = k.kind] { chooseKind(kind); });
    }
    stage->addSeparator();
    QAction* generate = stage->addAction(tr("&Generate…"), this, [this] {
        auto* dialog = findChild<GenerateDialog*>();
        if (dialog == nullptr) dialog = new GenerateDialog(this);
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
    play_ = new PlaySession(this);
    statusBar();  // there from the start, so an outcome does not resize the window
    connect(play_, &PlaySession::finished, this,
            [this](PlaySession::Outcome o) { statusBar()->showMessage(outcomeText(o)); });
    connect(
        this, &EditorWindow::playPackRequested, play_,
        [this](const QString& folder, int count) { play_->playPack(folder.toStdString(), count); });
    stage->addSeparator();
    QAction* play = stage->addAction(tr("&Play"), this, [this] { play_->play(this->stage()); });
    play->setShortcut(Qt::Key_F5);
    play->setObjectName(QStringLiteral("play"));
    QAction* show = stage->addAction(tr("Show S&olution"), this, &EditorWindow::showSolution);
    show->setShortcut(Qt::Key_F6);
    show->setObjectName(QStringLiteral("showSolution"));
}

void EditorWindow::chooseKind(Kind kind) {
    board_->setKind(kind);
    kinds_->actions().at(static_cast<int>(kind))->setChecked(true);
}

void EditorWindow::about() {
    QMessageBox::about(this, tr("About Lumora Workshop"),
                       tr("<p><b>Lumora Workshop</b> %1</p>"
                          "<p>Makes stages for Lumora: paint the board with the left button, "
                          "empty cells with the right one.</p>")
                           .arg(QApplication::applicationVersion()));
}

}  // namespace workshop
