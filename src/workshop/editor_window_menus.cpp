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
#include "workshop/play_session.h"
#include "workshop/solution_finder.h"

namespace workshop {
namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void EditorWindow::makeMenus() {
    makeFileMenu();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = undo_->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_->createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    makeStageMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Lumora Workshop"), this, &EditorWindow::about);
}

void EditorWindow::makeFileMenu() {
    struct FileCommand {
        const char* text;
        QKeySequence::StandardKey key;
        void (EditorWindow::*run)();
    };
    // Open and Save come with the packs.
    static constexpr FileCommand kCommands[] = {
        {QT_TR_NOOP("&New"), QKeySequence::New, &EditorWindow::newStage},
        {QT_TR_NOOP("&Open…"), QKeySequence::Open, nullptr},
        {QT_TR_NOOP("&Save"), QKeySequence::Save, nullptr},
        {QT_TR_NOOP("Save &As…"), QKeySequence::SaveAs, nullptr},
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    for (const FileCommand& c : kCommands) {
        const QString name = tr(c.text);
        QAction* action = file->addAction(name);
        action->setShortcut(c.key);
        if (c.run != nullptr) {
            connect(action, &QAction::triggered, this, c.run);
        } else {
            connect(action, &QAction::triggered, this, [this, name] { notYet(name); });
        }
    }
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
}

void EditorWindow::makeStageMenu() {
    QMenu* stage = menuBar()->addMenu(tr("&Stage"));
    QToolBar* palette = addToolBar(tr("Palette"));
    palette->setObjectName(QStringLiteral("paletteToolBar"));
    kinds_ = new QActionGroup(this);
    for (const KindInfo& k : kKinds) {
        QAction* action = stage->addAction(QIcon(kindPicture(pictures_, k.kind)), text(k.name));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(QChar(k.key)));
        action->setToolTip(tr("%1 (%2)").arg(text(k.name), QChar(k.key)));
        action->setData(static_cast<int>(k.kind));
        kinds_->addAction(action);
        palette->addAction(action);
        connect(action, &QAction::triggered, this, [this, kind = k.kind] { chooseKind(kind); });
    }
    makePlayCommands(stage);
}

// Play and the show run the real game on the stage as it stands; its end,
// whatever it is, shows in the status bar.
void EditorWindow::makePlayCommands(QMenu* stage) {
    play_ = new PlaySession(this);
    finder_ = new SolutionFinder(this);
    statusBar();  // there from the start, so an outcome does not resize the window
    connect(play_, &PlaySession::finished, this,
            [this](PlaySession::Outcome o) { statusBar()->showMessage(outcomeText(o)); });
    connect(finder_, &SolutionFinder::found, this,
            [this](const game::StageDesc& s, const std::string& script) {
                statusBar()->clearMessage();
                play_->showSolution(s, script);
            });
    connect(finder_, &SolutionFinder::notFound, this, [this](const QString& why) {
        statusBar()->clearMessage();
        QMessageBox::information(this, tr("Show Solution"), why);
    });
    stage->addSeparator();
    QAction* play = stage->addAction(tr("&Play"), this, [this] { play_->play(stage_); });
    play->setShortcut(Qt::Key_F5);
    QAction* show = stage->addAction(tr("Show S&olution"), this, [this] {
        statusBar()->showMessage(tr("Looking for the shortest solution…"));
        finder_->find(stage_);
    });
    show->setShortcut(Qt::Key_F6);
}

void EditorWindow::chooseKind(Kind kind) {
    board_->setKind(kind);
    kinds_->actions().at(static_cast<int>(kind))->setChecked(true);
}

void EditorWindow::notYet(const QString& what) {
    QString command = what;
    command.remove(QLatin1Char('&'));
    QMessageBox::information(this, command, tr("%1 is not there yet.").arg(command));
}

void EditorWindow::about() {
    QMessageBox::about(this, tr("About Lumora Workshop"),
                       tr("<p><b>Lumora Workshop</b> %1</p>"
                          "<p>Makes stages for Lumora: paint the board with the left button, "
                          "empty cells with the right one.</p>")
                           .arg(QApplication::applicationVersion()));
}

}  // namespace workshop
