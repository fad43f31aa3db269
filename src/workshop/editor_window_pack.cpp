// The window's pack: its list operations as undo steps, and its files.
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QUndoCommand>
#include <QUndoStack>

#include "game/pack.h"
#include "game/save_folder.h"
#include "workshop/core/pack_edits.h"
#include "workshop/editor_window.h"
#include "workshop/stage_list.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

const QString kRecentKey = QStringLiteral("files/recentPacks");
constexpr int kMaxRecent = 8;

QSettings settings() { return QSettings(QStringLiteral("lumora"), QStringLiteral("workshop")); }

// One change of the pack's list or of its name, author or licence.
class PackStep : public QUndoCommand {
public:
    using Apply = std::function<void(const PackContents&)>;
    PackStep(PackEdit edit, Apply apply)
        : QUndoCommand(QString::fromStdString(edit.description)),
          edit_(std::move(edit)),
          apply_(std::move(apply)) {}
    void redo() override { apply_(edit_.after); }
    void undo() override { apply_(edit_.before); }

private:
    PackEdit edit_;
    Apply apply_;
};

}  // namespace

void EditorWindow::pushPackEdit(std::optional<PackEdit> edit) {
    if (!edit) {
        showPack();  // a drop that moved nothing still moved the list's item
        return;
    }
    undo_->push(new PackStep(std::move(*edit), [this](const PackContents& contents) {
        doc_.setContents(contents);
        showPack();
    }));
}

void EditorWindow::addStage() { pushPackEdit(addStageEdit(doc_)); }

void EditorWindow::duplicateStage() { pushPackEdit(duplicateStageEdit(doc_)); }

void EditorWindow::deleteStage() { pushPackEdit(deleteStageEdit(doc_)); }

void EditorWindow::moveStage(int from, int to) { pushPackEdit(moveStageEdit(doc_, from, to)); }

void EditorWindow::moveShown(int by) { moveStage(doc_.current(), doc_.current() + by); }

void EditorWindow::editInfo(const game::PackInfo& info) { pushPackEdit(infoEdit(doc_, info)); }

void EditorWindow::playPack() {
    // The game plays files: an unsaved pack is saved first.
    if ((!undo_->isClean() || doc_.folder().empty()) && !save()) return;
    emit playPackRequested(text(doc_.folder()), doc_.count());
}

void EditorWindow::updateTitle() {
    QString name = text(doc_.info().name);
    if (name.isEmpty() && !doc_.folder().empty()) name = QDir(text(doc_.folder())).dirName();
    if (name.isEmpty()) name = tr("Untitled");
    if (doc_.readOnly()) name = tr("%1 (read-only)").arg(name);
    setWindowTitle(tr("%1[*] — Lumora Workshop").arg(name));
    save_->setEnabled(!doc_.readOnly());
}

void EditorWindow::setDocument(PackDocument doc) {
    doc_ = std::move(doc);
    undo_->clear();
    showPack();
}

void EditorWindow::tellError(const QString& title, const QString& message) {
    if (reportError_) {
        reportError_(title, message);
        return;
    }
    QMessageBox::warning(this, title, message);
}

void EditorWindow::newPack() {
    if (mayDiscard()) setDocument(PackDocument());
}

void EditorWindow::open() {
    if (!mayDiscard()) return;
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Open a Pack"));
    if (!folder.isEmpty()) openFolder(folder);
}

void EditorWindow::openRecent(const QString& folder) {
    if (mayDiscard()) openFolder(folder);
}

bool EditorWindow::openFolder(const QString& folder) {
    auto opened = game::openPack(folder.toStdString());
    if (auto* e = std::get_if<game::FileError>(&opened)) {
        tellError(tr("Cannot Open the Pack"),
                  tr("The pack in %1 does not open, and nothing was changed:\n%2")
                      .arg(folder, text(e->message)));
        return false;
    }
    setDocument(PackDocument(std::move(std::get<game::Pack>(opened)), folder.toStdString(), false));
    rememberRecent(folder);
    return true;
}

bool EditorWindow::openGameStages() {
    if (!mayDiscard()) return false;
    const game::GameFolders folders = game::findGameFolders(
        QCoreApplication::applicationDirPath().toStdString(), LUMORA_DATA_FROM_BIN,
        qEnvironmentVariable("XDG_DATA_HOME").toStdString(), QDir::homePath().toStdString());
    auto opened = game::openGameStages(folders.stages);
    if (auto* e = std::get_if<game::FileError>(&opened)) {
        tellError(tr("Cannot Open the Game's Stages"), text(e->message));
        return false;
    }
    setDocument(PackDocument(std::move(std::get<game::Pack>(opened)), folders.stages, true));
    return true;
}

bool EditorWindow::save() {
    if (doc_.readOnly() || doc_.folder().empty()) return saveAs();
    return saveTo(text(doc_.folder()));
}

bool EditorWindow::saveAs() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Save the Pack in an Empty Folder"));
    if (folder.isEmpty()) return false;
    const bool same = !doc_.readOnly() && QDir(folder) == QDir(text(doc_.folder()));
    if (!same && game::isPack(folder.toStdString()) &&
        QMessageBox::question(this, tr("Replace the Pack?"),
                              tr("%1 holds a pack already. Replace it with this one?").arg(folder),
                              QMessageBox::Yes | QMessageBox::Cancel,
                              QMessageBox::Cancel) != QMessageBox::Yes)
        return false;
    return saveTo(folder);
}

bool EditorWindow::saveTo(const QString& folder) {
    const std::string path = folder.toStdString();
    if (auto refused = game::writePack(path, doc_.pack())) {
        tellError(tr("Cannot Save the Pack"),
                  tr("The pack was not saved in %1:\n%2").arg(folder, text(refused->message)));
        return false;
    }
    doc_.savedTo(path);
    undo_->setClean();
    dropJournal();  // the work is in the pack now
    rememberRecent(folder);
    updateTitle();
    return true;
}

bool EditorWindow::mayDiscard() {
    if (undo_->isClean()) return true;
    const auto answer = QMessageBox::question(
        this, tr("Save the Changes?"), tr("The pack has changes that are not saved. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return save();
    return answer == QMessageBox::Discard;
}

void EditorWindow::rememberRecent(const QString& folder) {
    QSettings s = settings();
    QStringList recent = s.value(kRecentKey).toStringList();
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kMaxRecent) recent.removeLast();
    s.setValue(kRecentKey, recent);
}

void EditorWindow::fillRecentMenu() {
    QSettings s = settings();
    QStringList recent = s.value(kRecentKey).toStringList();
    // A pack moved or deleted since is no longer offered.
    recent.erase(std::remove_if(recent.begin(), recent.end(),
                                [](const QString& f) { return !game::isPack(f.toStdString()); }),
                 recent.end());
    s.setValue(kRecentKey, recent);
    recentMenu_->clear();
    for (const QString& folder : recent)
        recentMenu_->addAction(folder, this, [this, folder] { openRecent(folder); });
    recentMenu_->setEnabled(!recent.isEmpty());  // filled as the File menu opens
}

}  // namespace workshop
