// Unsaved work kept in the player's state folder: written a moment after each
// burst of edits and every few seconds while edits go on, dropped once the
// work is saved or let go, offered back at the next start after a crash.
#include <QDir>
#include <QTimer>
#include <QUndoStack>

#include "workshop/core/journal.h"
#include "workshop/editor_window.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

constexpr int kQuietMs = 1000;  // an edit burst is over after this long without one
constexpr int kEveryMs = 4000;  // and during a long one the journal is written this often

}  // namespace

void EditorWindow::makeJournal() {
    journalFolder_ = workshopStateFolder(qEnvironmentVariable("XDG_STATE_HOME").toStdString(),
                                         QDir::homePath().toStdString());
    quiet_ = new QTimer(this);
    quiet_->setSingleShot(true);
    quiet_->setInterval(kQuietMs);
    auto* every = new QTimer(this);
    every->setInterval(kEveryMs);
    every->start();
    connect(quiet_, &QTimer::timeout, this, &EditorWindow::writeJournal);
    connect(every, &QTimer::timeout, this, [this] {
        if (journalDue_) writeJournal();
    });
    connect(undo_, &QUndoStack::indexChanged, this, [this] {
        journalDue_ = true;
        quiet_->start();
    });
}

void EditorWindow::writeJournal() {
    journalDue_ = false;
    quiet_->stop();
    if (journalFolder_.empty()) return;
    if (undo_->isClean()) {
        dropJournal();
        return;
    }
    Journal j{doc_.info().name, doc_.info().author, doc_.info().license,
              doc_.folder(),    doc_.stages(),      doc_.current()};
    // A journal that cannot be written is told once, in the status line:
    // the work itself is not at risk until the workshop ends.
    if (auto e = writeJournalFile(journalFolder_, j))
        setStatusTip(tr("Unsaved work cannot be kept safe: %1").arg(text(e->message)));
}

void EditorWindow::dropJournal() {
    if (!journalFolder_.empty()) removeJournalFile(journalFolder_);
}

bool EditorWindow::restoreJournal(const std::function<bool(const QString&)>& ask) {
    if (journalFolder_.empty()) return false;
    auto found = readJournalFile(journalFolder_);
    if (!found) return false;
    if (auto* e = std::get_if<game::FileError>(&*found)) {
        tellError(
            tr("Unsaved work"),
            tr("The unsaved work of the last session cannot be read: %1").arg(text(e->message)));
        dropJournal();
        return false;
    }
    const Journal& j = std::get<Journal>(*found);
    const QString name = j.name.empty() ? tr("an untitled pack") : text(j.name);
    if (j.stages.empty() || !ask(tr("The workshop ended with unsaved work on %1 (%2). Restore it?")
                                     .arg(name, counted(static_cast<long long>(j.stages.size()),
                                                        tr("stage"), tr("stages"))))) {
        dropJournal();
        return false;
    }
    game::Pack pack{{j.name, j.author, j.license, static_cast<int>(j.stages.size())}, j.stages};
    PackDocument doc(std::move(pack), j.folder, false);
    doc.select(j.selected);
    setDocument(std::move(doc));
    // What came back is not saved anywhere yet.
    undo_->resetClean();
    setWindowModified(true);
    return true;
}

}  // namespace workshop
