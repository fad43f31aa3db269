// The window's menus and palette, kept apart from its editing.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>
#include <QUndoStack>

#include "workshop/board_view.h"
#include "workshop/editor_window.h"
#include "workshop/generate_dialog.h"

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
    stage->addSeparator();
    QAction* generate = stage->addAction(tr("&Generate…"), this, [this] {
        auto* dialog = findChild<GenerateDialog*>();
        if (dialog == nullptr) dialog = new GenerateDialog(this);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    generate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
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
